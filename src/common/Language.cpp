#include "common/Language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QRegularExpression>
#include <QTranslator>

namespace Language
{

namespace
{

QString &current()
{
    static QString code = QStringLiteral("en");
    return code;
}

// Beside the program's folder: the build puts them there for every program
// it makes, and the package under /usr/share for /usr/bin.
QString folder()
{
    return QCoreApplication::applicationDirPath() +
           QStringLiteral("/../share/varimonde-setup/translations");
}

// A language as the files name it: "pt-BR" is "pt_BR".
QString fileCode(QString name)
{
    return name.replace(QLatin1Char('-'), QLatin1Char('_'));
}

bool isEnglish(const QString &code)
{
    return code == QLatin1String("en") || code.startsWith(QLatin1String("en_")) ||
           code == QLatin1String("C");
}

} // namespace

QString option(const QStringList &arguments)
{
    for (int i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments.at(i);
        if (argument == QLatin1String("--"))
            break;
        if (argument == QLatin1String("--lang") && i + 1 < arguments.size())
            return arguments.at(i + 1);
        if (argument.startsWith(QLatin1String("--lang=")))
            return argument.mid(7);
    }
    return {};
}

QStringList wanted(const QStringList &arguments)
{
    const QString asked = option(arguments);
    return asked.isEmpty() ? QLocale::system().uiLanguages() : QStringList{asked};
}

QString install(QCoreApplication &application)
{
    const QStringList arguments = QCoreApplication::arguments();
    const QString asked = option(arguments);
    // Only a language's code is echoed back: letters, "_" and "-".
    static const QRegularExpression code(
        QStringLiteral("^[A-Za-z]{1,8}([_-][A-Za-z0-9]{1,8}){0,2}$"));
    if (!asked.isEmpty() && !code.match(asked).hasMatch())
        return QCoreApplication::translate(
            "Language", "varimonde-setup: --lang takes a language code such as de or pt_BR; the "
                        "texts stay in English.");
    for (const QString &name : wanted(arguments)) {
        if (isEnglish(fileCode(name)))
            break;
        auto *own = new QTranslator(&application);
        if (!own->load(QStringLiteral("varimonde-setup_") + fileCode(name), folder())) {
            delete own;
            continue;
        }
        current() = own->language();
        QCoreApplication::installTranslator(own);
        // Qt's own texts (the file dialog, the standard buttons) in the same
        // language, where Qt has them.
        auto *qt = new QTranslator(&application);
        if (qt->load(QStringLiteral("qtbase_") + current(),
                     QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
            QCoreApplication::installTranslator(qt);
        else
            delete qt;
        return {};
    }
    current() = QStringLiteral("en");
    if (asked.isEmpty() || isEnglish(fileCode(asked)))
        return {};
    return QCoreApplication::translate("Language",
                                       "varimonde-setup: no translation into %1; the texts stay "
                                       "in English.")
        .arg(asked);
}

QString currentCode()
{
    return current();
}

QString currentName()
{
    if (isEnglish(current()))
        return QStringLiteral("English");
    const QLocale locale(current());
    QString name = locale.nativeLanguageName();
    if (current().contains(QLatin1Char('_')))
        name += QStringLiteral(" (") + locale.nativeTerritoryName() + QLatin1Char(')');
    return name;
}

} // namespace Language
