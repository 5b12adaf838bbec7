// The program's pictures, drawn in code: toolbar images and the pictures of
// picture boxes, looked up by name. A name the program does not know gets a
// neutral placeholder picture.
#pragma once

#include <QIcon>
#include <QPixmap>
#include <QSize>

#include <string>

namespace bx {

QPixmap draw_picture(const std::string& name, QSize size);
QIcon picture_icon(const std::string& name);

}  // namespace bx
