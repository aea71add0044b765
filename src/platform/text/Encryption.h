#pragma once
#include <QString>

// The reversible cipher of access codes. Mode "E" enciphers, "D" deciphers, any other mode gives
// "". Characters are taken by their Windows-1252 code, which is how the stored codes were made.
QString EncryptDecrypt(const QString& mode, const QString& key, const QString& text);

// The fixed key both access-code dialogs use.
inline constexpr const char* kAccessCodeKey = "PLUMBAVEXINGO";
