#pragma once

#include <QBuffer>
#include <QByteArray>
#include <QPageLayout>
#include <QPdfWriter>
#include <QString>

namespace brisanel::app {

/// A PDF of A4 portrait pages with 15 mm margins, as the program's documents are printed: `draw`
/// paints the pages onto the writer and returns false when painting fails, which gives no bytes.
template <typename Draw>
QByteArray a4Pdf(const QString& title, Draw draw) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait,
                                     QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter));
    writer.setTitle(title);
    writer.setCreator(QStringLiteral("Brisanel & Repayment"));
    if (!draw(writer)) return {};
    return bytes;
}

}  // namespace brisanel::app
