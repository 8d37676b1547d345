#pragma once

class QDialog;
class QLayout;

namespace kx {

// Gives a dialog the fixed size of its layout's contents and a title bar with a close button
// only: a dialog that cannot grow offers no maximize button.
void makeFixedSize(QDialog& dialog, QLayout& layout);

} // namespace kx
