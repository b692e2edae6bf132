#pragma once

#include <QLineEdit>

namespace quillora {

class TSaisieNombre;

// The field of a TSaisieNombre. It refuses, with a beep, every character that cannot belong
// to a number of its owner's kind, so that most mistakes never reach the validation.
class TEditSaisieNombre : public QLineEdit {
    Q_OBJECT
public:
    explicit TEditSaisieNombre(TSaisieNombre* proprietaire);

protected:
    void keyPressEvent(QKeyEvent* e) override;

private:
    bool accepte(QChar c) const;
    TSaisieNombre* proprietaire_;
};

} // namespace quillora
