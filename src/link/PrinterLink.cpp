#include "link/PrinterLink.h"

#include "link/PortIO.h"

PrinterLink::PrinterLink(QWidget *window, const StopSignal *stop)
    : m_window(window), m_stop(stop), m_comm(m_names)
{
}

bool PrinterLink::String_Print(const QString &text)
{
    PortIO port(m_window, m_names, m_stop);
    return m_serialMode ? port.SComString(text, m_comm) : port.SLptString(text, m_parallelPortName);
}

bool PrinterLink::Array_Print(const PrinterBytes &bytes)
{
    PortIO port(m_window, m_names, m_stop);
    return m_serialMode ? port.SComByte(bytes, m_comm) : port.SLptByte(bytes, m_parallelPortName);
}
