#pragma once

#include <exception>

#include <QString>

class QWidget;

namespace kx {

// Shows a command's failure: a headline saying what did not happen, and the core's message
// (which names the file and where) below it.
void ShowError(QWidget* parent, const QString& headline, const std::exception& error);

} // namespace kx
