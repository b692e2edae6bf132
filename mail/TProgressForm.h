#pragma once

#include <QDialog>

class QLabel;
class QProgressBar;
class QPushButton;

namespace quillora {

// The small window shown while an archive is written: the file being packed, a bar of the
// bytes read, and a button that asks the work to stop.
class TProgressForm : public QDialog {
    Q_OBJECT
public:
    explicit TProgressForm(QWidget* parent = nullptr);

    void Fichier(const QString& nom);
    // `fait` of `total` bytes read.
    void Progression(qint64 fait, qint64 total);
    QPushButton* BoutonAnnuler() const { return annuler_; }

signals:
    void annulation();

protected:
    // Escape or the window's close box cancel, as the button does.
    void reject() override;

private:
    QLabel* label_;
    QProgressBar* barre_;
    QPushButton* annuler_;
};

} // namespace quillora
