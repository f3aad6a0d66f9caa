#include "link/PrinterLink.h"

#include "link/PortSenders.h"

PrinterLink::PrinterLink(const StopSignal *stop) : m_stop(stop), m_serialPort(m_names) {}

SendOutcome PrinterLink::sendText(const QString &text)
{
    const PortSenders senders(m_names, m_stop, m_stallLimitMs);
    return m_serialMode ? senders.serialText(text, m_serialPort)
                        : senders.parallelText(text, m_parallelPortName);
}

SendOutcome PrinterLink::sendBytes(const PrinterBytes &bytes)
{
    const PortSenders senders(m_names, m_stop, m_stallLimitMs);
    return m_serialMode ? senders.serialBytes(bytes, m_serialPort)
                        : senders.parallelBytes(bytes, m_parallelPortName);
}
