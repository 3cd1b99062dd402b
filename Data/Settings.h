// The settings file: section "Settings" with 27 keys (the measurement log's
// two after the original 25), read into Config once
// when the main window is created and written back once when it goes.
//
// The file is the executable's base name with ".ini", in ExeFolder() when
// that folder is writable, otherwise in the per-user configuration folder
// under the same name. Other sections and keys of the file are kept.
#pragma once

#include <QString>
#include <QStringList>

#include <functional>

struct ConfigType;

// "kelvora.ini" for the executable "kelvora" (or "kelvora.exe").
QString SettingsFileName();
// The file LoadSettings reads and SaveSettings writes.
QString SettingsFilePath();

// The keys in the order they are read and written, spelled as in the file.
const QStringList& SettingsKeys();

// Reads the 27 keys into Config; missing file, missing key or a value that
// does not parse give the key's default. Other fields of Config are left.
// Only a regular file of at most 1 MiB is read (never a named pipe, a device
// or a folder, also not through a link): any other counts as missing, with
// one line on standard error naming the file and the reason.
// Returns false when an existing file could not be read (defaults then).
bool LoadSettings();
bool LoadSettingsFrom(const QString& path, ConfigType& config);

// Writes every key from Config. The new file is written completely and then
// replaces the old one in one step: when that fails the old file stays as it
// was and "Unable to write to <file>" goes to standard error and to
// SettingsErrorReporter. Returns whether the file was written.
// A file the reader refuses is left as it is: the settings then go to the
// same path with ".new" appended (kelvora.ini.new beside kelvora.ini), which
// standard error names.
bool SaveSettings();
bool SaveSettingsTo(const QString& path, const ConfigType& config);

// Shows a settings error to the operator (the program installs a message
// box); empty by default, so only standard error hears of it.
extern std::function<void(const QString& message)> SettingsErrorReporter;

// Integer values as the settings file holds them: decimal, or hexadecimal
// after "$" or "0x", optionally signed; false when the text does not parse.
bool ParseSettingsInteger(const QString& text, int& value);
