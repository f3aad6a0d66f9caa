// The configuration block's exact text for the switch combinations that
// decide its lines.
#include "printer/ConfigBlock.h"
#include "support/TestMain.h"

Q_DECLARE_METATYPE(ConfigValues)

namespace
{

// The tab's start values with the switches named in `on`: d(arkness),
// w(idth), e(mulation), m(ode), s(peed), t(ext buffers), and o for the
// emulation-off flag.
ConfigValues values(const QString &on)
{
    ConfigValues values;
    values.darkness = "0";
    values.width = "416";
    values.scaler = 100;
    values.printMode = "DT";
    values.printSpeed = "NORMAL";
    values.mainBuffer = 4096;
    values.darknessSwitch = on.contains('d') ? SwitchState::On : SwitchState::Off;
    values.widthSwitch = on.contains('w') ? SwitchState::On : SwitchState::Off;
    values.emulationSwitch = on.contains('e') ? SwitchState::On : SwitchState::Off;
    values.emulationOff = on.contains('o') ? SwitchState::On : SwitchState::Off;
    values.printModeSwitch = on.contains('m') ? SwitchState::On : SwitchState::Off;
    values.printSpeedSwitch = on.contains('s') ? SwitchState::On : SwitchState::Off;
    values.textBufferSwitch = on.contains('t') ? SwitchState::On : SwitchState::Off;
    return values;
}

} // namespace

class TestConfigBlock : public QObject
{
    Q_OBJECT

private slots:
    void blockHoldsTheSwitchedOnLinesInFixedOrder_data()
    {
        QTest::addColumn<ConfigValues>("values");
        QTest::addColumn<QString>("lines");
        const auto row = [](const char *tag, const ConfigValues &values, const char *lines) {
            QTest::newRow(tag) << values << QString(lines);
        };
        // The flag alone is no switch.
        row("no switch", values("o"), "");
        ConfigValues v = values("d");
        v.darkness = "-20";
        row("darkness is the label's text", v, "VARIABLE DARKNESS -20\r\n");
        v = values("w");
        v.width = " 300";
        row("width goes out untrimmed", v, "VARIABLE WIDTH  300\r\n");
        v = values("e");
        v.scaler = 250;
        row("emulation with its scaler", v, "VARIABLE MODE 2 250\r\n");
        v = values("eo");
        v.scaler = 37;
        row("emulation off ignores the scaler", v, "VARIABLE MODE 0\r\n");
        v = values("m");
        v.printMode = "dt ";
        row("print mode goes out untrimmed", v, "VARIABLE PRINT_MODE dt \r\n");
        v = values("s");
        v.printSpeed = "HIGHSPEED";
        row("print speed alone", v, "VARIABLE HIGHSPEED\r\n");
        v = values("t");
        v.mainBuffer = 65536;
        v.overflowBuffer = 64512;
        row("text buffers", v, "VARIABLE TXTBFR 65536 64512\r\n");
        row("all six", values("dwemst"),
            "VARIABLE DARKNESS 0\r\nVARIABLE WIDTH 416\r\nVARIABLE MODE 2 100\r\n"
            "VARIABLE PRINT_MODE DT\r\nVARIABLE NORMAL\r\nVARIABLE TXTBFR 4096 0\r\n");
    }
    void blockHoldsTheSwitchedOnLinesInFixedOrder()
    {
        QFETCH(ConfigValues, values);
        QFETCH(QString, lines);
        QCOMPARE(ConfigBlock::build(values), "! 0 0 0 0\r\n" + lines + "VARIABLE WRITE\r\nEND");
        QCOMPARE(values.anySwitchOn(), !lines.isEmpty());
    }
};

VARIMONDE_TEST_MAIN(TestConfigBlock)
#include "tst_configblock.moc"
