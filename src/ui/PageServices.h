#pragma once

class BusyIndicators;
class CommonDialog;
class DetailsHost;
class PrinterLink;
class SendPresenter;
class Settings;
class QWidget;
class StopSignal;

// What the main window lends its tab pages: the printer link and the
// presenter that sends through it, the busy indicators, the shared file dialog, the Details window,
// the signal raised when the window closes, and what is remembered between runs. Pages get
// nothing else from the window.
struct PageServices {
    QWidget *window;
    PrinterLink &link;
    SendPresenter &printer;
    BusyIndicators &busy;
    CommonDialog &fileDialog;
    DetailsHost &details;
    const StopSignal &stop;
    Settings &settings;
};
