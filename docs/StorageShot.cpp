// Draws the Data Storage tab with a converted graphic in memory, and the
// Convert dialog that made it, for the README; built with the tests, whose
// window driver it uses. Nothing is sent.
#include "support/Pictures.h"
#include "support/TestMain.h"
#include "support/WindowDriver.h"

#include <QAbstractButton>
#include <QPainter>
#include <QSpinBox>
#include <QTabWidget>

int main(int argc, char *argv[])
{
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s TAB.png DIALOG.png\n", argv[0]);
        return 2;
    }
    useOwnSettings();
    QApplication app(argc, argv);
    WindowDriver ui;
    // A colour logo with soft edges, as people keep them.
    QImage logo(480, 240, QImage::Format_ARGB32);
    logo.fill(Qt::transparent);
    {
        QPainter painter(&logo);
        painter.setRenderHint(QPainter::Antialiasing);
        QRadialGradient sun(120, 120, 100);
        sun.setColorAt(0, QColor(255, 200, 40));
        sun.setColorAt(1, QColor(200, 40, 20));
        painter.setBrush(sun);
        painter.setPen(Qt::NoPen);
        painter.drawEllipse(QPoint(120, 120), 100, 100);
        painter.setPen(QColor(20, 60, 140));
        QFont font = painter.font();
        font.setPixelSize(72);
        font.setBold(true);
        painter.setFont(font);
        painter.drawText(QRect(230, 60, 250, 120), Qt::AlignCenter, QStringLiteral("Acme"));
    }
    const QString path = ui.file(QStringLiteral("logo.png"), Pictures::png(logo));
    bool saved = false;
    ModalAnswerer boxes;
    boxes.chooseFile(path).then([&](QWidget *dialog) {
        dialog->findChild<QAbstractButton *>(QStringLiteral("DitherOp"))->click();
        dialog->findChild<QAbstractButton *>(QStringLiteral("WidthChk"))->click();
        dialog->findChild<QSpinBox *>(QStringLiteral("WidthSpin"))->setValue(240);
        QTest::qWait(200);
        saved = dialog->grab().save(QString::fromLocal8Bit(argv[2]));
        dialog->findChild<QAbstractButton *>(QStringLiteral("UseCMD"))->click();
    });
    ui.click(QStringLiteral("ConvertCMD"));
    ui.control<QTabWidget>(QStringLiteral("SSTab1"))->setCurrentIndex(MainWindow::StorageTab);
    QTest::qWait(200);
    return saved && ui.window.grab().save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
