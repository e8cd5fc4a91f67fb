#pragma once
#include "app/TessanApp.h"

#include <QByteArray>
#include <QPair>
#include <QStringList>
#include <QTemporaryDir>
#include <memory>

// A program folder of its own for one test: a copy of the language files,
// an empty work area, and an application state over it that records its
// message boxes.
class CTestProgramFolder : public IMessageSink
{
public:
    CTestProgramFolder();
    QString Dir() const { return dir_.path(); }
    CTessanApp& App() { return *app_; }
    // Records the box.
    MessageAnswer Show(MessageKind kind, const QString& text, const QString& caption) override
    {
        if (kind == MessageKind::Question)
            return ShowQuestion({text, caption});
        messages.append({text, caption});
        kinds.append(kind);
        return MessageAnswer::Ok;
    }
    // Records the question with its buttons; it takes the next of `answers`
    // as they stand, or the most cautious button offered when none is left.
    MessageAnswer ShowQuestion(const MessageQuestion& question) override
    {
        messages.append({question.text, question.caption});
        kinds.append(MessageKind::Question);
        questions.append(question);
        return answers.isEmpty() ? question.MostCautious() : answers.takeFirst();
    }
    QList<QPair<QString, QString>> messages;
    QList<MessageKind> kinds;
    QList<MessageQuestion> questions;
    QList<MessageAnswer> answers;
    QStringList MessageTexts() const;

private:
    QTemporaryDir dir_;
    std::unique_ptr<CTessanApp> app_;
};

namespace TestSupport {
QByteArray ReadFile(const QString& path);
bool WriteFile(const QString& path, const QByteArray& bytes);
QByteArray Utf16(const QString& text); // UTF-16LE bytes, no byte-order mark
// Runs a program; returns its exit code (-1 when it could not run).
int Run(const QString& program, const QStringList& args, QByteArray* out = nullptr,
        QByteArray* err = nullptr, int timeoutMs = 60000);
QString QvCli(); // build/bin/qv-cli
// The entry names of a ZIP file read by an independent reader (Python's zipfile).
QStringList ZipEntries(const QString& zipPath);
QByteArray ZipEntryBytes(const QString& zipPath, const QString& entry);
} // namespace TestSupport
