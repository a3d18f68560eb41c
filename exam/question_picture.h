#pragma once

#include <QPixmap>
#include <QString>

// Loads a question picture by its extension (jpg, jpeg, bmp, ico, png, gif). Throws
// std::runtime_error when the file is missing, unreadable or of a format we cannot show.
QPixmap loadQuestionPicture(const QString& path);
