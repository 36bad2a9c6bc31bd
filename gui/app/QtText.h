#pragma once
// The tables hold UTF-8 texts; Qt widgets take QString. The conversion happens here, at the window
// boundary, and nowhere else.
#include <QString>
#include <string>
#include <string_view>

// Texts written with CR LF line breaks show them as one line break.
inline QString ToQt(std::string_view text) {
    QString shown = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return shown;
}

inline std::string FromQt(const QString& text) {
    return text.toStdString();
}
