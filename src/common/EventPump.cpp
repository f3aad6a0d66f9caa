#include "common/EventPump.h"

#include <QCoreApplication>

EventPump::EventPump(int sliceMs) : m_sliceMs(sliceMs)
{
    m_sinceLast.start();
}

void EventPump::pumpIfDue()
{
    if (m_sinceLast.elapsed() >= m_sliceMs)
        pump();
}

void EventPump::pump()
{
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    m_sinceLast.restart();
}
