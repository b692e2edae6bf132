#pragma once

#include <QColor>
#include <optional>

class QWidget;

namespace quillora {

// The colour dialog with custom colours that outlive the program: they are read from
// FichierCouleurs when the dialog is created and written back when it is destroyed.
class TMaColorDialog {
public:
    explicit TMaColorDialog(QWidget* parent = nullptr);
    ~TMaColorDialog();
    TMaColorDialog(const TMaColorDialog&) = delete;
    TMaColorDialog& operator=(const TMaColorDialog&) = delete;

    // The chosen colour; empty when the dialog was cancelled.
    std::optional<QColor> Executer(const QColor& initiale);

private:
    QWidget* parent_;
};

} // namespace quillora
