#pragma once
#include "base/LocalText.h"
#include "base/MessageSink.h"

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
// A question with the caption "Warning" whose Yes or OK deletes something:
// No or Cancel is its default button. True when the user agreed.
bool AskBeforeDeleting(CProjectController& controller, const QString& english,
                       MessageButtons buttons);

} // namespace ProjectMessages
