#pragma once

#include <QString>

#include <functional>
#include <memory>
#include <optional>

class Fleet;
class QCoreApplication;
class QObject;

// The virtual printer program: its options, the fleet they make, and the
// run until SIGINT or SIGTERM.
namespace VirtualProgram
{

// What --window takes from the part of the program that has windows: this
// layer has none of its own, so that printers run where there is no display.
struct Window {
    // Why no window can open here (no display to show it on), or nothing.
    std::function<std::optional<QString>(int argc, char *argv[])> missingDisplay;
    // The application object a window needs.
    std::function<std::unique_ptr<QCoreApplication>(int &argc, char *argv[])> application;
    // The window over the fleet, shown; closing it ends the run.
    std::function<std::unique_ptr<QObject>(Fleet &fleet)> open;
};

// Whether the arguments ask for a window: known before any application
// object exists, as that object depends on it.
bool wantsWindow(int argc, char *argv[]);

int main(int argc, char *argv[], const Window &window = {});

} // namespace VirtualProgram
