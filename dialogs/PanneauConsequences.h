#pragma once

#include <QStringList>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

#include "Consequences.h"

class QBoxLayout;
class QLabel;
class QListWidget;
class QToolButton;

namespace quillora {

// The "Conséquences" panel of the dialogs that change how averages come out: the students
// whose result the fields, as they stand, would change on OK, worked out again at each
// change of a field. It reads the class and the settings and never writes them. Folded, it
// keeps its summary line; folded or not is remembered from one dialog to the next.
class PanneauConsequences : public QWidget {
    Q_OBJECT
public:
    // What the dialog's fields would do: they are applied to copies of the class and of the
    // settings in force.
    using Changement = std::function<void(TClasse&, TOptions&)>;

    // `avant`: the class as the sheet showed it when the dialog opened, with the settings in
    // force then; `courante`: the class the dialog works on, which some dialogs write into as
    // they go; (s, p): the view of the sheet that opened the dialog.
    PanneauConsequences(const ImageClasse& avant, const TClasse& courante, int s, int p,
                        Changement changement, QWidget* parent);
    ~PanneauConsequences() override;

    // Works the consequences out again from the fields as they are now.
    void Actualiser();

    bool Replie() const { return replie_; }
    void Replier(bool replie);

    QString Resume() const;
    QStringList Lignes() const;

signals:
    // Folded or unfolded: a dialog placed by hand gives the panel its new height.
    void tailleChangee();

private:
    void montrer();

    std::unique_ptr<TClasse> avant_;
    TOptions optionsAvant_;
    std::unique_ptr<TClasse> apres_;
    const TClasse& courante_;
    std::vector<VueMoyenne> vues_;
    Changement changement_;
    bool replie_ = false;
    QToolButton* titre_;
    QLabel* resume_;
    QListWidget* liste_;
};

// Puts `panneau` in the dialog's column above its row of buttons (the last item of
// `colonne`, after `espaces` spacings), so that the dialog's layout sizes it.
void InsererPanneau(QBoxLayout* colonne, PanneauConsequences* panneau, int espaces);

// Where the panel remembers whether it is folded: a file of its own beside the settings, so
// that the settings file keeps exactly its keys and a cancelled dialog writes nothing there.
QString FichierConsequences();

} // namespace quillora
