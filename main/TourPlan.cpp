// Reading a tour's plan, ordering its visit and naming its pictures.
#include "TourPlan.h"

#include <QRegularExpression>

std::optional<QList<TTourStop>> ParseTourPresses(const QString& text, QString* error)
{
    QList<TTourStop> plan;
    if (text.trimmed().isEmpty())
        return plan;
    const auto fail = [error](const QString& message) {
        if (error)
            *error = message;
        return std::nullopt;
    };
    static const QRegularExpression pageName(QStringLiteral("^[A-Za-z_][A-Za-z0-9_]*$"));
    for (const QString& rawPart : text.split(QLatin1Char(','))) {
        const QString part = rawPart.trimmed();
        const int equals = part.indexOf(QLatin1Char('='));
        if (equals < 0)
            return fail(QStringLiteral("\"%1\" is not PAGE=PRESSES").arg(part));
        const QString page = part.left(equals).trimmed();
        const QString count = part.mid(equals + 1).trimmed();
        if (!pageName.match(page).hasMatch())
            return fail(QStringLiteral("\"%1\" is not a page name").arg(page));
        bool ok = false;
        const int presses = count.toInt(&ok);
        if (!ok || presses < 0 || presses > 1000)
            return fail(QStringLiteral("\"%1\" is not a number of presses (0 to 1000) for %2").arg(count, page));
        for (const TTourStop& stop : plan)
            if (stop.Page == page)
                return fail(QStringLiteral("%1 is planned twice").arg(page));
        plan.append({page, presses});
    }
    return plan;
}

QList<TTourStop> TourOrder(const QList<TTourStop>& plan, const QStringList& windowPages, QStringList* unknown)
{
    QList<TTourStop> order;
    QStringList planned;
    for (const TTourStop& stop : plan) {
        if (!windowPages.contains(stop.Page)) {
            if (unknown)
                *unknown << stop.Page;
            continue;
        }
        order.append(stop);
        planned << stop.Page;
    }
    for (const QString& page : windowPages)
        if (!planned.contains(page))
            order.append({page, 0});
    return order;
}

QString FileNamePart(const QString& text)
{
    QString part = text.toLower();
    part.replace(QRegularExpression(QStringLiteral("[^a-z0-9]+")), QStringLiteral("-"));
    while (part.startsWith(QLatin1Char('-')))
        part.remove(0, 1);
    while (part.endsWith(QLatin1Char('-')))
        part.chop(1);
    return part;
}

QString TourPictureName(int number, const QStringList& captions)
{
    QStringList parts;
    for (const QString& caption : captions) {
        const QString part = FileNamePart(caption);
        if (!part.isEmpty())
            parts << part;
    }
    if (parts.isEmpty())
        parts << QStringLiteral("page");
    return QStringLiteral("%1-%2.png").arg(number, 2, 10, QLatin1Char('0')).arg(parts.join(QLatin1Char('-')));
}
