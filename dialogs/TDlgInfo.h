#pragma once

#include <QDialog>

namespace quillora {

// The about box: the program's name, version and icon, who makes it, its licence and its
// web site.
class TDlgInfo : public QDialog {
    Q_OBJECT
public:
    explicit TDlgInfo(QWidget* parent = nullptr);
};

} // namespace quillora
