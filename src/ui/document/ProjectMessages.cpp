#include "ProjectMessages.h"
#include "app/TessanApp.h"
#include "base/LanguageSection.h"
#include "ui/document/ProjectController.h"

namespace ProjectMessages {

QString Text(const CProjectController& controller, const QString& english)
{
    return controller.App().settings.LookupText(LS_MSG, english);
}

QString Text(const CProjectController& controller, const LocalText& text)
{
    return text.Fill(Text(controller, text.key));
}

void Error(CProjectController& controller, const QString& english)
{
    controller.Messages().ShowError(Text(controller, english),
                                    Text(controller, QStringLiteral("Error")));
}

void Error(CProjectController& controller, const LocalText& text)
{
    controller.Messages().ShowError(Text(controller, text),
                                    Text(controller, QStringLiteral("Error")));
}

void Warning(CProjectController& controller, const QString& text)
{
    controller.Messages().ShowWarning(text, Text(controller, QStringLiteral("Warning")));
}

bool AskBeforeDeleting(CProjectController& controller, const QString& english,
                       MessageButtons buttons)
{
    const MessageAnswer answer = controller.Messages().Ask(
        Text(controller, english), Text(controller, QStringLiteral("Warning")), buttons,
        MostCautiousAnswer(buttons));
    return answer == OfferedAnswers(buttons).constFirst();
}

} // namespace ProjectMessages
