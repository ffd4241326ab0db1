// SPDX-License-Identifier: GPL-3.0-or-later
#include "LabelLayout.h"

#include <QHash>

#include <QFontMetrics>
#include <cmath>

namespace {

// The caption as words, each with the run of spaces before it.
struct Word {
    QString spacesBefore;
    QString text;
};

QList<Word> splitWords(const QString &caption)
{
    QList<Word> words;
    qsizetype i = 0;
    while (i < caption.size()) {
        Word word;
        while (i < caption.size() && caption[i] == u' ')
            word.spacesBefore += caption[i++];
        while (i < caption.size() && caption[i] != u' ')
            word.text += caption[i++];
        if (!word.text.isEmpty())
            words.append(word);
    }
    return words;
}

constexpr int PhraseSeparator = 3;

bool startsPhrase(const Word &word)
{
    return word.spacesBefore.size() >= PhraseSeparator;
}

} // namespace

QStringList wrapCaption(const QString &caption, const QFontMetricsF &metrics, qreal width)
{
    const QList<Word> words = splitWords(caption);
    QStringList lines;
    QString line;
    bool lineStarted = false;

    auto place = [&](const QString &spacesBefore, const QString &text, bool firstOfText) {
        if (!lineStarted) {
            line = firstOfText ? spacesBefore + text : text;
            lineStarted = true;
        } else if (metrics.horizontalAdvance(line + spacesBefore + text) <= width) {
            line += spacesBefore + text;
        } else {
            lines.append(line);
            line = text;
        }
    };

    for (qsizetype i = 0; i < words.size();) {
        if (i > 0 && startsPhrase(words[i])) {
            qsizetype end = i + 1;
            while (end < words.size() && !startsPhrase(words[end]))
                ++end;
            QString phrase = words[i].text;
            for (qsizetype k = i + 1; k < end; ++k)
                phrase += words[k].spacesBefore + words[k].text;
            if (metrics.horizontalAdvance(line + words[i].spacesBefore + phrase) <= width) {
                line += words[i].spacesBefore + phrase;
                i = end;
                continue;
            }
            // The phrase does not fit after the run of spaces: it starts the next line.
            lines.append(line);
            line = words[i].text;
            ++i;
            continue;
        }
        place(words[i].spacesBefore, words[i].text, i == 0);
        ++i;
    }
    if (lineStarted)
        lines.append(line);
    return lines;
}

static QList<LabelLine> placeLines(const QString &caption, const QFont &font, const QRect &rect, Alignment alignment)
{
    const QFontMetricsF metrics(font);
    const int lineHeight = QFontMetrics(font).height();
    QList<LabelLine> lines;
    int top = rect.top();
    for (const QString &text : wrapCaption(caption, metrics, rect.width())) {
        if (top > rect.bottom())
            break;
        const qreal width = metrics.horizontalAdvance(text);
        qreal x = rect.left();
        if (alignment == Alignment::Right)
            x = rect.left() + rect.width() - width;
        else if (alignment == Alignment::Centre)
            x = rect.left() + (rect.width() - width) / 2;
        lines.append({text, QPointF(x, top + std::ceil(metrics.ascent()))});
        top += lineHeight;
    }
    return lines;
}

QList<LabelLine> layoutLabel(const QString &caption, const QFont &font, const QRect &rect, Alignment alignment)
{
    // Measuring the words is most of the cost of drawing a page's texts, and a
    // page shows the same labels each time it opens: the placements are kept,
    // one per label of the program (the bound only guards against a flood).
    static QHash<QString, QList<LabelLine>> placed;
    const QString key = QStringLiteral("%1|%2|%3,%4,%5,%6|%7")
                            .arg(font.key())
                            .arg(caption)
                            .arg(rect.x()).arg(rect.y()).arg(rect.width()).arg(rect.height())
                            .arg(int(alignment));
    auto found = placed.constFind(key);
    if (found != placed.constEnd())
        return *found;
    if (placed.size() > 4096)
        placed.clear();
    return *placed.insert(key, placeLines(caption, font, rect, alignment));
}
