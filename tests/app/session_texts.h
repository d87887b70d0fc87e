// What a random session types into a field: mostly numbers a tuner would type for that field,
// so that many computations succeed, mixed with the texts that a reader of numbers trips over.
#pragma once

#include <QRandomGenerator>
#include <QString>
#include <QStringList>

namespace motrel::app::testing {

// The values a tuner types into one field, from smallest to largest.
struct PlausibleRange {
    double low;
    double high;
};

// A number in the range with zero to three decimals, written with the given separator; now
// and then with blanks around it, a plus sign or an exponent.
inline QString plausibleNumber(QRandomGenerator& random, PlausibleRange range, QChar separator) {
    const double value = range.low + random.generateDouble() * (range.high - range.low);
    const int decimals = random.bounded(4);
    QString text = QString::number(value, 'f', decimals);
    if (random.bounded(8) == 0) {
        // The same value with its separator moved one place left: "123,4" as "12,34E1".
        const qsizetype point = text.indexOf(u'.');
        if (point > 1) {
            text.remove(point, 1);
            text.insert(point - 1, u'.');
            text += QStringLiteral("E1");
        }
    }
    text.replace(u'.', separator);
    switch (random.bounded(12)) {
        case 0:
            text.prepend(u' ');
            break;
        case 1:
            text.append(QStringLiteral("   "));  // as the default gear ratio is written
            break;
        case 2:
            text.prepend(u'+');
            break;
        default:
            break;
    }
    return text;
}

// A text that is mostly no number, or a number at the edge of what can be read or stored.
inline QString awkwardText(QRandomGenerator& random, QChar separator) {
    static const QStringList pieces{
        QStringLiteral(" "),         QStringLiteral(","),     QStringLiteral("."),
        QStringLiteral("+"),         QStringLiteral("-"),     QStringLiteral("E"),
        QStringLiteral("e"),         QStringLiteral("0"),     QStringLiteral("7"),
        QStringLiteral("E4932"),   // just beyond the extended range
        QStringLiteral("E4931"),   // inside it
        QStringLiteral("E-4951"),  // extended subnormal
        QStringLiteral("E-5000"),  // below every number: reads as 0
        QStringLiteral("E400"),    // beyond the double range only
        QStringLiteral("E308"),      QStringLiteral("E-324"), QStringLiteral("E499"),
        QStringLiteral("E500"),  // the exponent limit of the reader
        QStringLiteral("E99999999"), QStringLiteral("é"),     QStringLiteral("½"),
        QStringLiteral("٣"),  // an Arabic-Indic digit
        QStringLiteral("∞"),
        QStringLiteral("８０"),  // full-width digits
        QStringLiteral("−"),     // the minus sign, not the hyphen
        QStringLiteral("\u00a0"),
        QStringLiteral("𝟙"),  // a digit outside the basic plane: two UTF-16 units
        QStringLiteral("x"),         QStringLiteral("<b>"),   QStringLiteral("'"),
        QStringLiteral("%1"),
    };
    if (random.bounded(4) == 0) {
        // A long digit run, perhaps with the separator inside it.
        QString digits;
        const int length = 1 + random.bounded(40);
        for (int i = 0; i < length; ++i) digits += QChar(u'0' + random.bounded(10));
        if (random.bounded(2) == 0) digits.insert(random.bounded(length + 1), separator);
        if (random.bounded(3) == 0) digits += pieces.at(9 + random.bounded(10));
        return digits;
    }
    QString text;
    const int count = 1 + random.bounded(5);
    for (int i = 0; i < count; ++i) text += pieces.at(random.bounded(pieces.size()));
    return text;
}

// Any text the session types into a field that takes values of the given range.
inline QString randomFieldText(QRandomGenerator& random, PlausibleRange range, QChar separator) {
    const int kind = random.bounded(100);
    if (kind < 76) return plausibleNumber(random, range, separator);
    if (kind < 80) {
        // A good number written with the other separator.
        const QChar other = separator == u',' ? u'.' : u',';
        return plausibleNumber(random, range, other);
    }
    if (kind < 84) return QString();
    return awkwardText(random, separator);
}

}  // namespace motrel::app::testing
