#include "ImpressionReleves.h"

#include <QBuffer>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

#include "ConversionsQt.h"
#include "DessinReleve.h"
#include "NewGraphe.h"

namespace quillora {

bool ImprimerReleves(QPagedPaintDevice& sortie, const std::vector<Releve>& releves,
                     bool noirBlanc) {
    if (releves.empty()) return false;
    const QRectF zone = ZoneTexte(sortie.pageLayout());
    const std::vector<PageReleve> pages = MettreEnPage(releves, zone.height());
    TNewGraphe graphe;
    QPainter p;
    if (!p.begin(&sortie)) return false;
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0 && !sortie.newPage()) {
            p.end();
            return false;
        }
        DessinerPageReleve(p, zone, releves, pages[i], noirBlanc, graphe);
    }
    return p.end();
}

bool PdfReleves(const std::vector<Releve>& releves, bool noirBlanc, const QPageLayout& mise,
                const QString& titre, QByteArray& pdf) {
    pdf.clear();
    QBuffer tampon(&pdf);
    if (!tampon.open(QIODevice::WriteOnly)) return false;
    QPdfWriter ecrivain(&tampon);
    ecrivain.setResolution(300);
    ecrivain.setPageLayout(mise);
    ecrivain.setTitle(titre);
    ecrivain.setCreator(QStringLiteral("Quillora"));
    const bool ok = ImprimerReleves(ecrivain, releves, noirBlanc);
    tampon.close();
    return ok && pdf.startsWith("%PDF") && pdf.contains("%%EOF");
}

QString TitreReleves(const std::vector<Releve>& releves) {
    QString t = QStringLiteral("Relevés de notes");
    if (!releves.empty() && !releves.front().classe.empty())
        t += QStringLiteral(" - ") + texteQt(releves.front().classe);
    return t;
}

} // namespace quillora
