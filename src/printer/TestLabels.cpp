#include "printer/TestLabels.h"

#include "common/MakerContact.h"
#include "printer/CommandLines.h"

namespace TestLabels
{

namespace
{

QString printedAddress()
{
    return QString::fromLatin1(MakerContact::hostName).toUpper();
}

} // namespace

// The programs are fixed to the byte: the blanks, the mixed-case "End" of
// the small label and "U B40(4,0,0)" against "U A30 (4,0,0)" are what the
// printers have always been sent.
const QString &fourByThree()
{
    static const QString program = CommandLines::join({
        QStringLiteral("! 0 100 600 1"),
        QStringLiteral("W 416"),
        QStringLiteral("P 200"),
        QStringLiteral("T 3 200 60 4X3 TEST LABEL"),
        QStringLiteral("T 3 100 100 VARIMONDE PRINTER FAMILY"),
        QStringLiteral("F 0 10 1000 200"),
        QStringLiteral("T 2 20 270 -EASY TO USE"),
        QStringLiteral("T 2 20 300 -RELIABLE PRINTING"),
        QStringLiteral("T 2 20 330 -STURDY CONSTRUCTION"),
        QStringLiteral("T 2 20 360 -INNOVATIVE DESIGN"),
        QStringLiteral("D 10 250 400 160 3"),
        QStringLiteral("T 2 450 270 VISIT US ON THE WEB:"),
        QStringLiteral("U B40(4,0,0) 440 330 ") + printedAddress(),
        QStringLiteral("B 128(3:4) 60 575 75 ") + printedAddress(),
        QStringLiteral("END"),
    });
    return program;
}

const QString &twoPointFourByOne()
{
    static const QString program = CommandLines::join({
        QStringLiteral("! 0 100 200 1"),
        QStringLiteral("W 224"),
        QStringLiteral("P 200"),
        QStringLiteral("U A30 (4,0,0) 100 40 VARIMONDE FAMILY"),
        QStringLiteral("U A30 (4,0,0) 140 80 OF PRINTERS"),
        QStringLiteral("F 10 10 1000 110"),
        QStringLiteral("B 128(2:3) 10 190 40 ") + printedAddress(),
        QStringLiteral("End"),
    });
    return program;
}

} // namespace TestLabels
