#include "TableLisible.h"

#include <QAccessibleWidget>
#include <QHash>
#include <QKeyEvent>
#include <QPointer>
#include <QWidget>
#include <algorithm>

namespace quillora {

namespace {

// The grid of `w`, or null once it is being destroyed: the table's interface outlives the
// widget's own part of the object by a few steps of its destruction.
const GrilleLisible* Grille(const QWidget* w) {
    return w ? dynamic_cast<const GrilleLisible*>(w) : nullptr;
}

// A case as a key that stays the same whatever the table's size.
int Cle(CaseLisible c) {
    return (c.ligne + 1) * 4096 + (c.colonne + 1);
}

class TableAccessible;

class CaseAccessible : public QAccessibleInterface, public QAccessibleTableCellInterface {
public:
    CaseAccessible(TableAccessible* table, QWidget* w, CaseLisible c)
        : table_(table), widget_(w), case_(c) {}

    CaseLisible Case() const { return case_; }

    bool isValid() const override {
        const GrilleLisible* g = Grille(widget_);
        return g && case_.ligne >= -1 && case_.ligne < g->NbLignesLisibles() &&
               case_.colonne >= -1 && case_.colonne < g->NbColonnesLisibles() &&
               (case_.ligne >= 0 || case_.colonne >= 0);
    }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override;
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override;
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        const GrilleLisible* g = Grille(widget_);
        return g && t == QAccessible::Name ? g->NomCase(case_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        const GrilleLisible* g = Grille(widget_);
        const QRect r = g ? g->RectangleCase(case_) : QRect();
        if (r.isEmpty()) return {};
        return {widget_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override {
        if (case_.ligne < 0) return QAccessible::ColumnHeader;
        if (case_.colonne < 0) return QAccessible::RowHeader;
        return QAccessible::Cell;
    }
    QAccessible::State state() const override {
        QAccessible::State s;
        const GrilleLisible* g = Grille(widget_);
        if (!g) {
            s.invalid = true;
            return s;
        }
        s.focusable = true;
        s.readOnly = true;
        s.focused = widget_->hasFocus() && g->CaseCourante() == case_;
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableCellInterface && role() == QAccessible::Cell)
            return static_cast<QAccessibleTableCellInterface*>(this);
        return nullptr;
    }

    bool isSelected() const override { return false; }
    QList<QAccessibleInterface*> columnHeaderCells() const override;
    QList<QAccessibleInterface*> rowHeaderCells() const override;
    int columnIndex() const override { return case_.colonne; }
    int rowIndex() const override { return case_.ligne; }
    int columnExtent() const override { return 1; }
    int rowExtent() const override { return 1; }
    QAccessibleInterface* table() const override;

private:
    TableAccessible* table_;
    QPointer<QWidget> widget_;
    CaseLisible case_;
};

class TableAccessible : public QAccessibleWidget, public QAccessibleTableInterface {
public:
    explicit TableAccessible(QWidget* w) : QAccessibleWidget(w, QAccessible::Table) {}
    ~TableAccessible() override { oublier(); }

    bool isValid() const override { return QAccessibleWidget::isValid() && grille(); }

    QString text(QAccessible::Text t) const override {
        const GrilleLisible* g = grille();
        if (g && t == QAccessible::Name) return g->NomTable();
        if (g && t == QAccessible::Description) return g->DescriptionTable();
        return QAccessibleWidget::text(t);
    }

    int childCount() const override {
        const int c = colonnes();
        return c + lignes() * (c + 1) + (controle() ? 1 : 0);
    }
    QAccessibleInterface* child(int i) const override {
        const int c = colonnes(), l = lignes();
        if (i < 0) return nullptr;
        if (i < c) return Case({-1, i});
        i -= c;
        if (i < l * (c + 1)) return Case({i / (c + 1), i % (c + 1) - 1});
        QWidget* w = controle();
        return w && i == l * (c + 1) ? QAccessible::queryAccessibleInterface(w) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        if (const auto* k = dynamic_cast<const CaseAccessible*>(enfant)) {
            if (k->table() != this || !k->isValid()) return -1;
            return Index(k->Case());
        }
        QWidget* w = controle();
        if (enfant && w && enfant->object() == w) return colonnes() + lignes() * (colonnes() + 1);
        return -1;
    }
    QAccessibleInterface* childAt(int x, int y) const override {
        for (int i = 0; i < childCount(); ++i)
            if (QAccessibleInterface* k = child(i); k && k->rect().contains(x, y)) return k;
        return nullptr;
    }
    QAccessibleInterface* focusChild() const override {
        if (QWidget* w = controle(); w && w->hasFocus())
            return QAccessible::queryAccessibleInterface(w);
        const GrilleLisible* g = grille();
        if (!g || !widget()->hasFocus()) return nullptr;
        const auto c = g->CaseCourante();
        return c ? Case(*c) : nullptr;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        if (t == QAccessible::TableInterface) return static_cast<QAccessibleTableInterface*>(this);
        return QAccessibleWidget::interface_cast(t);
    }

    QAccessibleInterface* caption() const override { return nullptr; }
    QAccessibleInterface* summary() const override { return nullptr; }
    QAccessibleInterface* cellAt(int ligne, int colonne) const override {
        if (ligne < 0 || colonne < 0 || ligne >= lignes() || colonne >= colonnes()) return nullptr;
        return Case({ligne, colonne});
    }
    int selectedCellCount() const override { return 0; }
    QList<QAccessibleInterface*> selectedCells() const override { return {}; }
    QString columnDescription(int colonne) const override {
        const GrilleLisible* g = grille();
        return g ? g->NomCase({-1, colonne}) : QString();
    }
    QString rowDescription(int ligne) const override {
        const GrilleLisible* g = grille();
        return g ? g->NomCase({ligne, -1}) : QString();
    }
    int selectedColumnCount() const override { return 0; }
    int selectedRowCount() const override { return 0; }
    int columnCount() const override { return colonnes(); }
    int rowCount() const override { return lignes(); }
    QList<int> selectedColumns() const override { return {}; }
    QList<int> selectedRows() const override { return {}; }
    bool isColumnSelected(int) const override { return false; }
    bool isRowSelected(int) const override { return false; }
    bool selectRow(int) override { return false; }
    bool selectColumn(int) override { return false; }
    bool unselectRow(int) override { return false; }
    bool unselectColumn(int) override { return false; }
    // Every change is told as a new content: the cases are made again when next asked for.
    void modelChange(QAccessibleTableModelChangeEvent*) override { oublier(); }

    // The interface of `c`, made once and kept until the content changes.
    QAccessibleInterface* Case(CaseLisible c) const {
        const int cle = Cle(c);
        if (const auto it = cases_.constFind(cle); it != cases_.cend())
            if (QAccessibleInterface* k = QAccessible::accessibleInterface(*it)) return k;
        auto* k = new CaseAccessible(const_cast<TableAccessible*>(this), widget(), c);
        cases_.insert(cle, QAccessible::registerAccessibleInterface(k));
        return k;
    }
    int Index(CaseLisible c) const {
        const int n = colonnes();
        return c.ligne < 0 ? c.colonne : n + c.ligne * (n + 1) + c.colonne + 1;
    }

private:
    const GrilleLisible* grille() const { return Grille(widget()); }
    int lignes() const {
        const GrilleLisible* g = grille();
        return g ? g->NbLignesLisibles() : 0;
    }
    int colonnes() const {
        const GrilleLisible* g = grille();
        return g ? g->NbColonnesLisibles() : 0;
    }
    QWidget* controle() const {
        const GrilleLisible* g = grille();
        QWidget* w = g ? g->ControleSurGrille() : nullptr;
        return w && w->isVisible() ? w : nullptr;
    }
    void oublier() {
        for (const QAccessible::Id id : std::as_const(cases_))
            QAccessible::deleteAccessibleInterface(id);
        cases_.clear();
    }

    mutable QHash<int, QAccessible::Id> cases_;
};

QWindow* CaseAccessible::window() const {
    return table_->window();
}
QAccessibleInterface* CaseAccessible::parent() const {
    return table_;
}
QAccessibleInterface* CaseAccessible::table() const {
    return table_;
}
QList<QAccessibleInterface*> CaseAccessible::columnHeaderCells() const {
    return {table_->Case({-1, case_.colonne})};
}
QList<QAccessibleInterface*> CaseAccessible::rowHeaderCells() const {
    return {table_->Case({case_.ligne, -1})};
}

QAccessibleInterface* Fabrique(const QString&, QObject* objet) {
    auto* w = qobject_cast<QWidget*>(objet);
    return Grille(w) ? new TableAccessible(w) : nullptr;
}

TableAccessible* Table(QWidget* w) {
    return dynamic_cast<TableAccessible*>(QAccessible::queryAccessibleInterface(w));
}

} // namespace

GrilleLisible::GrilleLisible() {
    QAccessible::installFactory(Fabrique);
}

void AnnoncerCase(QWidget* grille, std::optional<CaseLisible> c) {
    if (!LecteurActif()) return;
    TableAccessible* t = Table(grille);
    if (!t) return;
    QAccessibleEvent e(grille, QAccessible::Focus);
    if (c) e.setChild(t->Index(*c));
    QAccessible::updateAccessibility(&e);
}

void AnnoncerNouveauContenu(QWidget* grille) {
    if (!LecteurActif()) return;
    QAccessibleTableModelChangeEvent e(grille, QAccessibleTableModelChangeEvent::ModelReset);
    QAccessible::updateAccessibility(&e);
    QAccessibleEvent nom(grille, QAccessible::NameChanged);
    QAccessible::updateAccessibility(&nom);
}

void AnnoncerNomCase(QWidget* grille, CaseLisible c) {
    if (!LecteurActif()) return;
    TableAccessible* t = Table(grille);
    if (!t) return;
    QAccessibleEvent e(grille, QAccessible::NameChanged);
    e.setChild(t->Index(c));
    QAccessible::updateAccessibility(&e);
}

bool DeplacerCase(const QKeyEvent* touche, CaseLisible& c, int lignes, int colonnes,
                  bool avecEnTetes) {
    const int premier = avecEnTetes ? -1 : 0;
    int& l = c.ligne;
    int& k = c.colonne;
    switch (touche->key()) {
    case Qt::Key_Up:
        --l;
        break;
    case Qt::Key_Down:
        ++l;
        break;
    case Qt::Key_Left:
        --k;
        break;
    case Qt::Key_Right:
        ++k;
        break;
    case Qt::Key_Home:
        k = premier;
        break;
    case Qt::Key_End:
        k = colonnes - 1;
        break;
    default:
        return false;
    }
    l = std::clamp(l, premier, std::max(premier, lignes - 1));
    k = std::clamp(k, premier, std::max(premier, colonnes - 1));
    // The corner belongs to neither header.
    if (l < 0 && k < 0) k = 0;
    return true;
}

} // namespace quillora
