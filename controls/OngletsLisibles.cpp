// The self-drawn tabs as the keyboard and a screen reader reach them.
#include "OngletsLisibles.h"

#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QPointer>
#include <QTimer>

#include "TJppPageControl.h"

namespace quillora {

namespace {

class OngletAccessible : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    OngletAccessible(TJppPageControl* onglets, int index) : onglets_(onglets), index_(index) {}

    bool isValid() const override { return onglets_ && index_ < onglets_->count(); }
    QObject* object() const override { return nullptr; }
    QWindow* window() const override { return parent()->window(); }
    QAccessibleInterface* childAt(int, int) const override { return nullptr; }
    QAccessibleInterface* parent() const override {
        return QAccessible::queryAccessibleInterface(onglets_.data());
    }
    QAccessibleInterface* child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface*) const override { return -1; }
    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Name && onglets_ ? onglets_->tabText(index_) : QString();
    }
    void setText(QAccessible::Text, const QString&) override {}
    QRect rect() const override {
        if (!onglets_) return {};
        const QRect r = onglets_->tabRect(index_);
        return {onglets_->mapToGlobal(r.topLeft()), r.size()};
    }
    QAccessible::Role role() const override { return QAccessible::PageTab; }
    QAccessible::State state() const override {
        QAccessible::State s;
        if (!onglets_) return s;
        s.selectable = s.focusable = true;
        s.selected = onglets_->currentIndex() == index_;
        s.focused = s.selected && onglets_->hasFocus();
        return s;
    }
    void* interface_cast(QAccessible::InterfaceType t) override {
        return t == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface*>(this)
                                                 : nullptr;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString& action) override {
        if (onglets_ && action == pressAction()) onglets_->setCurrentIndex(index_);
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

private:
    QPointer<TJppPageControl> onglets_;
    int index_;
};

// The tabs, then what the control holds: its pages.
class OngletsAccessibles : public QAccessibleWidget {
public:
    explicit OngletsAccessibles(TJppPageControl* w)
        : QAccessibleWidget(w, QAccessible::PageTabList) {}
    ~OngletsAccessibles() override {
        for (const QAccessible::Id id : std::as_const(onglets_))
            QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return nb() + QAccessibleWidget::childCount(); }
    QAccessibleInterface* child(int i) const override {
        if (i < 0) return nullptr;
        if (i >= nb()) return QAccessibleWidget::child(i - nb());
        while (onglets_.size() <= i) {
            auto* o = new OngletAccessible(controle(), static_cast<int>(onglets_.size()));
            onglets_ << QAccessible::registerAccessibleInterface(o);
        }
        return QAccessible::accessibleInterface(onglets_[i]);
    }
    int indexOfChild(const QAccessibleInterface* enfant) const override {
        for (int i = 0; i < nb(); ++i)
            if (child(i) == enfant) return i;
        const int j = QAccessibleWidget::indexOfChild(enfant);
        return j < 0 ? -1 : nb() + j;
    }
    QAccessibleInterface* focusChild() const override {
        return controle()->hasFocus() ? child(controle()->currentIndex())
                                      : QAccessibleWidget::focusChild();
    }

private:
    TJppPageControl* controle() const { return static_cast<TJppPageControl*>(widget()); }
    int nb() const { return controle()->count(); }
    mutable QList<QAccessible::Id> onglets_;
};

QAccessibleInterface* Fabrique(const QString& classe, QObject* objet) {
    if (classe != QLatin1String("quillora::TJppPageControl")) return nullptr;
    return new OngletsAccessibles(static_cast<TJppPageControl*>(objet));
}

void AnnoncerOnglet(TJppPageControl* onglets) {
    if (!QAccessible::isActive() || onglets->currentIndex() < 0) return;
    QAccessibleEvent e(onglets, QAccessible::Focus);
    e.setChild(onglets->currentIndex());
    QAccessible::updateAccessibility(&e);
}

} // namespace

void RendreOngletsLisibles() {
    QAccessible::installFactory(Fabrique);
}

void TJppPageControl::keyPressEvent(QKeyEvent* e) {
    const int n = count();
    if (n == 0 || (e->key() != Qt::Key_Left && e->key() != Qt::Key_Right)) {
        QWidget::keyPressEvent(e);
        return;
    }
    setCurrentIndex((currentIndex() + (e->key() == Qt::Key_Right ? 1 : n - 1)) % n);
    AnnoncerOnglet(this);
}

void TJppPageControl::focusInEvent(QFocusEvent*) {
    update();
    // After the screen reader has heard of the list itself.
    if (QAccessible::isActive()) QTimer::singleShot(0, this, [this] { AnnoncerOnglet(this); });
}

void TJppPageControl::focusOutEvent(QFocusEvent*) {
    update();
}

} // namespace quillora
