#pragma once

#include <QObject>

// Raised once when the main window closes. Long operations that let the
// window process events watch it so that they can end, close their port or
// file, and let the program finish.
class StopSignal : public QObject
{
    Q_OBJECT
public:
    bool isRaised() const { return m_raised; }
    void raise()
    {
        if (m_raised)
            return;
        m_raised = true;
        emit raised();
    }

signals:
    void raised();

private:
    bool m_raised = false;
};
