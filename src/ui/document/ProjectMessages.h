#pragma once
#include "base/LocalText.h"

#include <QString>

class CProjectController;

// The messages of the project dialogs: looked up in the MSG section of the
// language file by their English wording and shown through the controller's
// message sink, with the captions "Error", "Warning" and "Information".
namespace ProjectMessages {

QString Text(const CProjectController& controller, const QString& english);
QString Text(const CProjectController& controller, const LocalText& text);
void Error(CProjectController& controller, const QString& english);
void Error(CProjectController& controller, const LocalText& text);
void Warning(CProjectController& controller, const QString& text);
// A Yes/No question with the caption "Warning"; true for Yes.
bool AskWarning(CProjectController& controller, const QString& english);

} // namespace ProjectMessages
