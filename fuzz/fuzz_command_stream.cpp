// Whatever a printer is sent, over any number of connections, it reads the
// same commands whether the bytes come whole or in pieces, and its model
// takes every one of them. The first byte is the piece size; "\xff\x00"
// separates connections.
#include "virtual/CommandStream.h"
#include "virtual/PrinterModel.h"

#include <QList>

#include <cstdlib>

namespace
{

QList<PrinterCommand> read(const QList<QByteArray> &connections, int piece, PrinterModel *model)
{
    QList<PrinterCommand> commands;
    CommandStream stream([&](const PrinterCommand &command) {
        commands << command;
        if (model)
            model->apply(command);
    });
    for (const QByteArray &bytes : connections) {
        stream.beginConnection();
        for (qsizetype at = 0; at < bytes.size(); at += piece)
            stream.feed(bytes.mid(at, piece));
        stream.endConnection();
    }
    stream.reset();
    return commands;
}

bool same(const PrinterCommand &a, const PrinterCommand &b)
{
    return a.kind == b.kind && a.name == b.name && a.value == b.value && a.count == b.count &&
           a.size == b.size && a.bytes == b.bytes && a.graphicType == b.graphicType;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int piece = 1 + data[0] % 16;
    const QByteArray all(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));
    const QList<QByteArray> connections = all.split('\xff');
    PrinterModel model(QStringLiteral("fuzz"));
    const QList<PrinterCommand> whole = read(connections, 1 << 30, &model);
    const QList<PrinterCommand> pieces = read(connections, piece, nullptr);
    if (whole.size() != pieces.size())
        std::abort();
    for (qsizetype i = 0; i < whole.size(); ++i) {
        if (!same(whole[i], pieces[i]))
            std::abort();
    }
    model.toJson();
    return 0;
}
