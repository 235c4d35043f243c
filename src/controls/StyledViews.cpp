// SPDX-FileCopyrightText: 2026 The QZ8StyledListboxPack developers
// SPDX-License-Identifier: MIT
// TMyAdvTreeView and TMyAdvListView of My_StyledTMSComponents.
#include "controls/My_StyledTMSComponents.h"
#include "controls/My_StyledTMSComponents_p.h"
#include "external/Tool_image_basics.h"
#include "store/Strings.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>
#include <cmath>

namespace qz8 {

TMyAdvTreeView::TMyAdvTreeView(QWidget* parent) : TAdvTreeView(parent), d(std::make_unique<TMyAdvTreeViewPrivate>())
{
    SetComponentStyle(Global_TMSStyle);
}

void TMyAdvTreeView::SetComponentStyle(TTMSStyle)
{
    const TTMSStyle G = Global_TMSStyle;
    SetBorderColor(GetABaseTMSGradientBackgroundDarkColour(G));
    SetStrokeColor(BorderColor());
    SetColor(GetABaseTMSBackgroundColour(G));
    TAdvTreeViewColumnsAppearance& columns = ColumnsAppearance();
    columns.TopFill.Gradient.Color = GetABaseTMSGradientBackgroundDarkColour(G);
    columns.TopFill.Gradient.ColorTo = GetABaseTMSGradientBackgroundLightColour(G);
    columns.TopFill.Color = GetABaseTMSBackgroundColour(G);
    columns.TopFontColor = GetABaseTMSTextColour(G);
    TAdvTreeViewNodesAppearance& nodes = NodesAppearance();
    nodes.FontColor = GetABaseTMSTextColour(G);
    nodes.SelectedFontColor = GetABaseTMSHighlightedTextColour(G);
    nodes.SelectedFill.Color = GetABaseTMSHighlightBackgroundColour(G);
    nodes.StrokeColor = BorderColor();
    ApplyAppearance();
}

QString TMyAdvTreeView::AllStringsOfTreeview(TAdvTreeView* a, const TAdvTreeViewGetNodeTextEvent& aOnGetText)
{
    if (!a)
        return {};
    TStringList lines;
    const QString tab = QStringLiteral("\t");
    QString header;
    QString text; // the cell text: kept from one call to the next
    for (const QString& column : a->Columns()) {
        AddToListWithSeparatorIfNeeded(header, column, tab);
        text = column;
    }
    lines.Add(header);
    int counter = 0;
    for (TAdvTreeViewVirtualNode node = a->GetFirstRootVirtualNode(); node; node = a->GetNextVirtualNode(node)) {
        QString line = TAdvTreeView::IsNumberedNode(node) ? QString::number(++counter) : QStringLiteral(" ");
        for (int c = 0; c < a->ColumnCount(); ++c) {
            if (aOnGetText)
                aOnGetText(this, node, c, tntmDrawing, text);
            line += tab + text;
        }
        lines.Add(line);
    }
    QString out;
    for (int i = 0; i < lines.Count(); ++i)
        out += lines[i] + QStringLiteral("\r\n");
    return out;
}

bool TMyAdvTreeView::CopyTreeToClipboard(TAdvTreeView* a, const TAdvTreeViewGetNodeTextEvent& aOnGetText)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard || !a)
        return false;
    const QString text = AllStringsOfTreeview(a, aOnGetText);
    auto* mime = new QMimeData; // the clipboard takes it
    mime->setData(QStringLiteral("text/tab-separated-values"), text.toUtf8());
    mime->setText(text);
    clipboard->setMimeData(mime);
    // A window system may refuse (a Wayland session without a seat): the
    // copy succeeded only when the clipboard holds it.
    const QMimeData* held = clipboard->mimeData();
    return held && held->text() == text;
}

TMyAdvListView::TMyAdvListView(QWidget* parent) : TAdvListView(parent), d(std::make_unique<TMyAdvListViewPrivate>())
{
    SetComponentStyle(Global_TMSStyle);
}

void TMyAdvListView::SetComponentStyle(TTMSStyle)
{
    const TTMSStyle G = Global_TMSStyle;
    SetOwnerDraw(true);
    SetHeaderOwnerDraw(true);
    SetHeaderColor(GetABaseTMSScrollDarkBackgroundColour(G));
    SetHeaderFontColor(GetABaseTMSScrollTextColour(G));
    SetFontColor(GetABaseTMSTextColour(G));
    SetColor(clWindow);
    SetSelectionColor(GetABaseTMSHighlightBackgroundColour(G));
    SetSelectionTextColor(GetABaseTMSHighlightedTextColour(G));
    SetItemHeight(static_cast<int>(std::nearbyint(static_cast<double>(GlobalImageHeight) * 0.9)));
    update();
}

TMyAdvTreeView::~TMyAdvTreeView() = default;

TMyAdvListView::~TMyAdvListView() = default;

} // namespace qz8
