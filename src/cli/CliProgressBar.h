#pragma once
#include <QString>

// The progress bar of the command line: one line on stderr, redrawn in place
// ("Download 40%...... [############                  ]"), shown only when
// stderr is a terminal. Output that follows clears it first.
class CCliProgressBar
{
public:
    explicit CCliProgressBar(QString caption = QString());
    void SetCaption(const QString& caption) { caption_ = caption; }
    // Draws percent 0..100; a value outside or equal to the last is ignored.
    void Show(int percent);
    // Ends the bar: `keep` leaves it on its line, otherwise the line is
    // erased. Nothing happens when no bar is shown.
    void End(bool keep);

private:
    QString caption_;
    bool terminal_;
    bool shown_ = false;
    int lastPercent_ = -1;
};
