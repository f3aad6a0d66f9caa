// The configuration block's exact text for the switch combinations that
// decide its lines.
#include "config/ConfigBlock.h"
#include "support/TestMain.h"

Q_DECLARE_METATYPE(ConfigValues)

class TestConfigBlock : public QObject
{
    Q_OBJECT

    // The tab's values at start, every switch off.
    static ConfigValues startValues()
    {
        ConfigValues values;
        values.darkness = QStringLiteral("0");
        values.width = QStringLiteral("416");
        values.scaler = 100;
        values.printMode = QStringLiteral("DT");
        values.printSpeed = QStringLiteral("NORMAL");
        values.mainBuffer = 4096;
        values.overflowBuffer = 0;
        return values;
    }

    static ConfigValues allOn()
    {
        ConfigValues values = startValues();
        values.darknessOn = values.widthOn = values.emulationOn = true;
        values.printModeOn = values.printSpeedOn = values.textBufferOn = true;
        return values;
    }

private slots:
    void blockHoldsTheSwitchedOnLinesInFixedOrder_data()
    {
        QTest::addColumn<ConfigValues>("values");
        QTest::addColumn<QString>("block");

        QTest::newRow("no switch")
            << startValues() << QStringLiteral("! 0 0 0 0\r\nVARIABLE WRITE\r\nEND");

        QTest::newRow("all six, start values")
            << allOn()
            << QStringLiteral("! 0 0 0 0\r\nVARIABLE DARKNESS 0\r\nVARIABLE WIDTH 416\r\n"
                              "VARIABLE MODE 2 100\r\nVARIABLE PRINT_MODE DT\r\nVARIABLE NORMAL\r\n"
                              "VARIABLE TXTBFR 4096 0\r\nVARIABLE WRITE\r\nEND");

        ConfigValues values = allOn();
        values.emulationOff = true;
        values.scaler = 250;
        values.darkness = QStringLiteral("-20");
        values.printMode = QStringLiteral("TT");
        values.printSpeed = QStringLiteral("LOWSPEED");
        values.mainBuffer = 65536;
        values.overflowBuffer = 64512;
        QTest::newRow("all six, emulation off")
            << values
            << QStringLiteral("! 0 0 0 0\r\nVARIABLE DARKNESS -20\r\nVARIABLE WIDTH 416\r\n"
                              "VARIABLE MODE 0\r\nVARIABLE PRINT_MODE TT\r\nVARIABLE LOWSPEED\r\n"
                              "VARIABLE TXTBFR 65536 64512\r\nVARIABLE WRITE\r\nEND");

        values = startValues();
        values.printSpeedOn = true;
        values.printSpeed = QStringLiteral("HIGHSPEED");
        QTest::newRow("print speed alone")
            << values << QStringLiteral("! 0 0 0 0\r\nVARIABLE HIGHSPEED\r\nVARIABLE WRITE\r\nEND");

        values = startValues();
        values.emulationOn = true;
        values.emulationOff = true;
        values.scaler = 37;
        QTest::newRow("emulation off ignores the scaler")
            << values << QStringLiteral("! 0 0 0 0\r\nVARIABLE MODE 0\r\nVARIABLE WRITE\r\nEND");

        values.emulationOff = false;
        values.scaler = 250;
        QTest::newRow("emulation with scaler")
            << values
            << QStringLiteral("! 0 0 0 0\r\nVARIABLE MODE 2 250\r\nVARIABLE WRITE\r\nEND");

        values = startValues();
        values.emulationOff = true; // without its switch the flag adds nothing
        values.textBufferOn = true;
        values.mainBuffer = 8192;
        values.overflowBuffer = 2048;
        QTest::newRow("text buffers")
            << values
            << QStringLiteral("! 0 0 0 0\r\nVARIABLE TXTBFR 8192 2048\r\nVARIABLE WRITE\r\nEND");

        values = startValues();
        values.darknessOn = true;
        values.darkness = QStringLiteral("30");
        QTest::newRow("darkness is the label's text")
            << values
            << QStringLiteral("! 0 0 0 0\r\nVARIABLE DARKNESS 30\r\nVARIABLE WRITE\r\nEND");

        values = startValues();
        values.widthOn = true;
        values.width = QStringLiteral(" 300");
        values.printModeOn = true;
        values.printMode = QStringLiteral("dt ");
        QTest::newRow("texts go out untrimmed")
            << values
            << QStringLiteral("! 0 0 0 0\r\nVARIABLE WIDTH  300\r\nVARIABLE PRINT_MODE dt \r\n"
                              "VARIABLE WRITE\r\nEND");
    }

    void blockHoldsTheSwitchedOnLinesInFixedOrder()
    {
        QFETCH(ConfigValues, values);
        QFETCH(QString, block);
        QCOMPARE(ConfigBlock::build(values), block);
    }

    void anySwitchCountsEachSetting()
    {
        QVERIFY(!startValues().anySwitchOn());
        bool ConfigValues::*const switches[] = {
            &ConfigValues::darknessOn,  &ConfigValues::widthOn,      &ConfigValues::emulationOn,
            &ConfigValues::printModeOn, &ConfigValues::printSpeedOn, &ConfigValues::textBufferOn};
        for (bool ConfigValues::*settingSwitch : switches) {
            ConfigValues values = startValues();
            values.*settingSwitch = true;
            QVERIFY(values.anySwitchOn());
        }
        ConfigValues flagOnly = startValues();
        flagOnly.emulationOff = true;
        QVERIFY(!flagOnly.anySwitchOn());
    }
};

VARIMONDE_TEST_MAIN(TestConfigBlock)
#include "tst_configblock.moc"
