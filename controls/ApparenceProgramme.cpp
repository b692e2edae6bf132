#include "ApparenceProgramme.h"

#include <QApplication>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleFactory>
#include <QWidget>

#include "Programme.h"

namespace quillora {

namespace {

// One of the style's own icons, asked of it the first time it is drawn or measured.
class IconeDifferee : public QIconEngine {
public:
    IconeDifferee(QStyle* style, QStyle::StandardPixmap quoi, const QWidget* widget)
        : style_(style), quoi_(quoi), widget_(const_cast<QWidget*>(widget)) {}

    void paint(QPainter* p, const QRect& r, QIcon::Mode m, QIcon::State s) override {
        icone().paint(p, r, Qt::AlignCenter, m, s);
    }
    QSize actualSize(const QSize& taille, QIcon::Mode m, QIcon::State s) override {
        return icone().actualSize(taille, m, s);
    }
    QPixmap pixmap(const QSize& taille, QIcon::Mode m, QIcon::State s) override {
        return icone().pixmap(taille, m, s);
    }
    QPixmap scaledPixmap(const QSize& taille, QIcon::Mode m, QIcon::State s,
                         qreal echelle) override {
        return icone().pixmap(taille, echelle, m, s);
    }
    QList<QSize> availableSizes(QIcon::Mode m, QIcon::State s) override {
        return icone().availableSizes(m, s);
    }
    bool isNull() override { return icone().isNull(); }
    QString iconName() override { return icone().name(); }
    QString key() const override { return QStringLiteral("IconeDifferee"); }
    QIconEngine* clone() const override { return new IconeDifferee(*this); }

private:
    const QIcon& icone() {
        if (!faite_ && style_) icone_ = style_->standardIcon(quoi_, nullptr, widget_);
        faite_ = true;
        return icone_;
    }

    QPointer<QStyle> style_;
    QStyle::StandardPixmap quoi_;
    QPointer<QWidget> widget_;
    bool faite_ = false;
    QIcon icone_;
};

class StyleProgramme : public QProxyStyle {
public:
    using QProxyStyle::QProxyStyle;

    QIcon standardIcon(StandardPixmap quoi, const QStyleOption* option,
                       const QWidget* widget) const override {
        // Without an option the icon depends on the style alone, and may wait.
        if (!option) return QIcon(new IconeDifferee(baseStyle(), quoi, widget));
        return QProxyStyle::standardIcon(quoi, option, widget);
    }
};

} // namespace

void PreparerApparence() {
    QApplication::setWindowIcon(IconeProgramme());
    // A style of the same name, since the proxy owns the style it stands in front of.
    if (QStyle* style = QStyleFactory::create(QApplication::style()->name()))
        QApplication::setStyle(new StyleProgramme(style));
}

} // namespace quillora
