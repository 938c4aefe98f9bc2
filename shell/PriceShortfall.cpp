#include "shell/PriceShortfall.h"

#include <algorithm>

namespace {

bool answers(const QString& model, const QString& sent)
{
    return model.trimmed().compare(sent.trimmed(), Qt::CaseInsensitive) == 0;
}

QStringList distinct(QStringList names)
{
    names.removeDuplicates();
    return names;
}

// The service may answer thousands of lines no part asked for: that many are named.
constexpr qsizetype kNamedAnswers = 10;

// "A", "A and B", "A, B and C", each name once; past the limit the rest are counted.
QString listed(const QStringList& names, qsizetype limit = -1)
{
    const QStringList items = distinct(names);
    if (limit >= 0 && items.size() > limit)
        return items.first(limit).join(QStringLiteral(", ")) + QStringLiteral(" and %1 more").arg(items.size() - limit);
    if (items.size() < 2)
        return items.join(QString());
    return items.first(items.size() - 1).join(QStringLiteral(", ")) + QStringLiteral(" and ") + items.last();
}

QString lines(const QStringList& parts)
{
    return (parts.size() == 1 ? QStringLiteral("line of ") : QStringLiteral("lines of ")) + listed(parts);
}

} // namespace

void PriceShortfall::addBatch(const QStringList& parts, const QStringList& sent, const QStringList& models)
{
    const qsizetype count = parts.size();
    m_lines += static_cast<int>(count);
    // Each answer takes the first line of its part still without one, its own place first.
    QList<bool> lineAnswered(count, false);
    QList<bool> answerTaken(models.size(), false);
    for (qsizetype k = 0; k < std::min(count, models.size()); ++k)
        lineAnswered[k] = answerTaken[k] = answers(models[k], sent[k]);
    for (qsizetype i = 0; i < models.size(); ++i) {
        for (qsizetype k = 0; k < count && !answerTaken[i]; ++k)
            if (!lineAnswered[k] && answers(models[i], sent[k]))
                lineAnswered[k] = answerTaken[i] = true;
    }

    for (qsizetype k = 0; k < count; ++k) {
        if (!lineAnswered[k])
            m_unanswered << parts[k];
        if (k >= models.size())
            m_empty << parts[k];
        else if (!answers(models[k], sent[k]))
            m_misplaced << parts[k];
    }
    for (qsizetype i = 0; i < models.size(); ++i) {
        if (answerTaken[i])
            continue;
        const QString model = models[i].trimmed();
        if (model.isEmpty()) {
            ++m_withoutModel;
        } else if (std::any_of(sent.begin(), sent.end(), [&](const QString& s) { return answers(model, s); })) {
            m_repeated << model;
        } else {
            m_notAsked << model;
            ++m_notAskedCount;
        }
    }
    m_surplus += static_cast<int>(std::max<qsizetype>(models.size() - count, 0));
}

void PriceShortfall::addLate(const QStringList& parts, const QString& seconds)
{
    m_lines += static_cast<int>(parts.size());
    m_unanswered << parts;
    m_empty << parts;
    m_lateSeconds = seconds;
}

QString PriceShortfall::answeredText() const
{
    const int answered = m_lines - static_cast<int>(m_unanswered.size());
    QString text = QStringLiteral("The price and availability service answered %1 of the %2 %3 asked for")
                       .arg(QString::number(answered), QString::number(m_lines),
                            m_lines == 1 ? QStringLiteral("line") : QStringLiteral("lines"));
    if (!m_lateSeconds.isEmpty())
        text += QStringLiteral(" within %1 seconds").arg(m_lateSeconds);
    return text;
}

QString PriceShortfall::text() const
{
    QStringList sentences;
    // Where no answer stands at another line, the lines without one are the empty ones.
    if (!m_unanswered.isEmpty())
        sentences << answeredText()
                         + (m_misplaced.isEmpty()
                                ? QStringLiteral("; the price table leaves the %1 empty.").arg(lines(m_unanswered))
                                : QStringLiteral("; no answer came for %1.").arg(listed(m_unanswered)));
    if (m_notAskedCount > 0)
        sentences << (m_notAskedCount == 1 ? QStringLiteral("The answer for %1 belongs to no part asked.")
                                           : QStringLiteral("The answers for %1 belong to no part asked."))
                         .arg(listed(m_notAsked, kNamedAnswers));
    if (m_withoutModel > 0)
        sentences << (m_withoutModel == 1
                          ? QStringLiteral("1 answer without a model belongs to no part asked.")
                          : QStringLiteral("%1 answers without a model belong to no part asked.").arg(m_withoutModel));
    if (!m_repeated.isEmpty())
        sentences << QStringLiteral("%1 %2 answered more often than asked.")
                         .arg(listed(m_repeated, kNamedAnswers),
                              distinct(m_repeated).size() == 1 ? QStringLiteral("was") : QStringLiteral("were"));
    if (!m_misplaced.isEmpty())
        sentences << QStringLiteral("By position, the price table holds other parts' answers at the %1%2.")
                         .arg(lines(m_misplaced), m_empty.isEmpty()
                                                      ? QString()
                                                      : QStringLiteral(" and leaves the %1 empty").arg(lines(m_empty)));
    if (m_surplus == 1)
        sentences << QStringLiteral("The price and availability service answered 1 line more than was asked for; "
                                    "the price table leaves it out.");
    else if (m_surplus > 1)
        sentences << QStringLiteral("The price and availability service answered %1 lines more than were asked "
                                    "for; the price table leaves them out.")
                         .arg(m_surplus);
    return sentences.join(QLatin1Char(' '));
}
