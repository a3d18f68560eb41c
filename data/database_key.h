#pragma once

#include <QString>

// The SQLCipher key of a file, as a type of its own so that it never trades places with the
// file's path beside it. An empty key opens a file that is not encrypted.
struct DatabaseKey {
    QString text;
};
