#pragma once

#include <QString>

#include <optional>

// A whole number as the learner types it into a settings edit or a bank maintainer writes it
// into a settings file: an optional sign and decimal digits, with blanks around it ignored,
// within 32 bits. Anything else (empty text, letters, decimals, hexadecimal, several values,
// SQL) gives nothing.
std::optional<int> parseWholeNumber(const QString& text);
