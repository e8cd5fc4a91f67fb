#pragma once

class QMdiArea;

// Window > Arrange Icons: the minimised windows of the document area lined
// up along its bottom edge, left to right in the order they were opened; a
// row that is full goes on in the row above.
namespace MinimisedWindowRow {
void Arrange(QMdiArea& area);
}
