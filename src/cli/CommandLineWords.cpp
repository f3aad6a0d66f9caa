#include "cli/CommandLineWords.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace CommandLineWords
{

namespace
{

struct Rewording {
    const char16_t *window;
    const char16_t *commandLine;
};

// Each piece of window advice a shared message may carry, and what a
// command-line user does instead.
constexpr Rewording rewordings[] = {
    {u"Choose one of them on the Communication Settings tab and press Apply.",
     u"Name one of them with --to."},
    {u"Choose one of them on the Communication Settings tab.", u"Name one of them with --to."},
    {u"enter the printer's network name or IP address on the Communication Settings tab.",
     u"name the printer with --to tcp://HOST."},
    {u"set on the Communication Settings tab (Give up after) or with --stall-limit.",
     u"set with --stall-limit."},
    {u"set on the Communication Settings tab (Give up after) or with --busy-limit.",
     u"set with --busy-limit."},
};

} // namespace

QString of(const QString &windowText)
{
    QString text = windowText;
    // Advice that is a text of its own, so a translation has it whole:
    // reworded in the language it is shown in.
    text.replace(QCoreApplication::translate("GraphicCheck", " Use Convert… to make one."),
                 QCoreApplication::translate("CommandLineWords", " Add --convert to make one."));
    for (const Rewording &rewording : rewordings)
        text.replace(QString::fromUtf16(rewording.window),
                     QString::fromUtf16(rewording.commandLine));
    // A printer whose status refuses the send: the window's box offers
    // "Send Anyway"; here the option does.
    static const QRegularExpression notReady(
        QStringLiteral("(The printer reports [^\\n]*: nothing was sent\\. [^\\n]*) try again\\."));
    text.replace(notReady,
                 QStringLiteral("\\1 try again, or give --ignore-status to send anyway."));
    // In another language the sentence is matched by its translated shape,
    // and the option is told after it.
    const char *const refused = "The printer reports %1: nothing was sent. %2";
    const QString translated = QCoreApplication::translate("Failure", refused);
    if (translated != QLatin1String(refused)) {
        QStringList pieces;
        for (const QString &piece : translated.split(QRegularExpression(QStringLiteral("%[12]"))))
            pieces << QRegularExpression::escape(piece);
        const QRegularExpression shape(QLatin1Char('(') + pieces.join(QStringLiteral("[^\\n]*")) +
                                       QStringLiteral("[^\\n]*)"));
        text.replace(shape, QStringLiteral("\\1") +
                                QCoreApplication::translate(
                                    "CommandLineWords", " Give --ignore-status to send anyway."));
    }
    return text;
}

} // namespace CommandLineWords
