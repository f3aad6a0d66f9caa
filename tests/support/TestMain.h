#pragma once

#include <QApplication>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QTest>

// "a b c" as {"a", "b", "c"}: keeps lists of names to one line.
inline QStringList words(const QString &list)
{
    return list.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Settings of the test's own, empty at start: test mode keeps the user's
// apart, and a home of its own keeps test programs that run side by side
// apart. A run of the same program that this one starts shares its home.
inline void useOwnSettings()
{
    static QTemporaryDir home;
    if (!qEnvironmentVariableIsSet("VARIMONDE_TEST_HOME")) {
        qputenv("VARIMONDE_TEST_HOME", home.path().toLocal8Bit());
        qputenv("HOME", home.path().toLocal8Bit());
    }
    QStandardPaths::setTestModeEnabled(true);
}

// Like QTEST_MAIN, with Qt's own file dialogs so that tests can answer them.
#define VARIMONDE_TEST_MAIN(TestObject) VARIMONDE_TEST_MAIN_AFTER(TestObject, )

// The same, `first` run before anything else (before any thread starts).
#define VARIMONDE_TEST_MAIN_AFTER(TestObject, first)                                               \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        first;                                                                                     \
        useOwnSettings();                                                                          \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                   \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
