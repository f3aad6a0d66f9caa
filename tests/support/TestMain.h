#pragma once

#include <QApplication>
#include <QStringList>
#include <QTest>

// "a b c" as {"a", "b", "c"}: keeps lists of names to one line.
inline QStringList words(const QString &list)
{
    return list.split(QLatin1Char(' '), Qt::SkipEmptyParts);
}

// Like QTEST_MAIN, with Qt's own file dialogs so that tests can answer them.
#define VARIMONDE_TEST_MAIN(TestObject)                                                            \
    int main(int argc, char *argv[])                                                               \
    {                                                                                              \
        QApplication::setAttribute(Qt::AA_DontUseNativeDialogs);                                   \
        QApplication app(argc, argv);                                                              \
        app.setAttribute(Qt::AA_Use96Dpi, true);                                                   \
        TestObject test;                                                                           \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
