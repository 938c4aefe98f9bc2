#pragma once

#include <QString>
#include <QStringList>

// What a price run's answers leave out, gathered batch by batch and told in
// one message. Answers pair with their batch's lines by position; each is held
// against its line's part number (without regard to case or blanks around
// it, as the catalogue names its parts), so that the message names the part
// numbers no answer came for, the answers that belong to no part asked, the
// lines that by position hold another part's answer or none, the answer lines
// beyond those asked, and the lines the run's time limit left unanswered.
class PriceShortfall {
public:
    // One batch: its lines' part numbers as the bill holds them and as they
    // were sent, and the Model texts of its answer in order.
    void addBatch(const QStringList& parts, const QStringList& sent, const QStringList& models);
    // Lines no answer came for before the run's limit of that many seconds ran out.
    void addLate(const QStringList& parts, const QString& seconds);

    // How many of the lines asked got their own answer, without a full stop.
    QString answeredText() const;
    // Empty when every line got its own answer at its place and nothing else came.
    QString text() const;

private:
    int m_lines = 0;
    // The part numbers of the lines without an answer of their own.
    QStringList m_unanswered;
    // Answers that belong to no part asked: Model texts of no part asked,
    // how many came without a Model text, and parts answered more often than asked.
    QStringList m_notAsked;
    int m_notAskedCount = 0;
    int m_withoutModel = 0;
    QStringList m_repeated;
    // By position: the lines holding another part's answer, the lines holding none.
    QStringList m_misplaced;
    QStringList m_empty;
    int m_surplus = 0;
    QString m_lateSeconds;
};
