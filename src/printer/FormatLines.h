#pragma once

#include <QString>
#include <QStringList>

// A label format file is passed on line by line. A line ends at CR LF or at
// a lone CR; a lone LF is part of its line; a last line without an end
// still counts. Every line goes to the printer followed by CR LF.
namespace FormatLines
{

QStringList split(const QString &fileText);

// Each line followed by CR LF, so the text always ends with CR LF when
// there is at least one line.
QString withCrLf(const QStringList &lines);

} // namespace FormatLines
