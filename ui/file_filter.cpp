#include "ui/file_filter.h"

#include <QStringList>

#include "ui/qt_text.h"

namespace korva {

namespace {

QString patternsOf(const QString& patterns) {
    QStringList out;
    for (const QString& p : patterns.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString t = p.trimmed();
        if (t == QLatin1String("*.*")) {
            out << QStringLiteral("*");
            continue;
        }
        for (const QString& v : {t, t.toLower(), t.toUpper()})
            if (!out.contains(v)) out << v;
    }
    return out.join(QLatin1Char(' '));
}

} // namespace

QString qtFileFilter(const std::string& filter) {
    const QString text = toQt(filter);
    if (!text.contains(QLatin1Char('|'))) return text;
    QStringList parts = text.split(QLatin1Char('|'));
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        if (description.isEmpty()) break;
        const qsizetype paren = description.indexOf(QLatin1Char('('));
        if (paren >= 0) description = description.left(paren).trimmed();
        filters << description + QStringLiteral(" (") + patternsOf(parts[i + 1]) + QLatin1Char(')');
    }
    return filters.join(QStringLiteral(";;"));
}

} // namespace korva
