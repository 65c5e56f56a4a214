// SPDX-License-Identifier: MIT
#pragma once
// The lightboard on screen: a table of character cells over a TemplateEditorModel, drawn as
// a sign (dark cells, characters in their colours, variable fields grey and marked "x").
// Keys and mouse go to the model; the view only shows what the model holds.

#include <QAbstractTableModel>
#include <QStyledItemDelegate>
#include <QTableView>

#include "model/templatemodel.h"

namespace ztk::legendo {

// Screen colour of a stored colour value (red in the low byte).
QColor screenColor(Rgb rgb);

// The cells of the model as a table, with each cell's character and colour as its
// accessible text ("A, red"; "x, variable 'Count'").
class LightboardTableModel : public QAbstractTableModel {
    Q_OBJECT
  public:
    enum Role { SelectedRole = Qt::UserRole + 1, CursorRole, VariableRole };

    explicit LightboardTableModel(const TemplateEditorModel& model, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

    // Shows the model again: the shape after a size change, else every cell.
    void refresh(bool sizeChanged);
    // How a screen reader reads a cell.
    QString describe(CellPos cell) const;

  private:
    const TemplateEditorModel& model_;
    int rows_ = 0;
    int cols_ = 0;
};

class LightboardDelegate : public QStyledItemDelegate {
  public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
};

class LightboardView : public QTableView {
    Q_OBJECT
  public:
    LightboardView(TemplateEditorModel& model, QWidget* parent = nullptr);

    // Shows the model's changes (ModelChange bits).
    void refresh(unsigned changes);
    LightboardTableModel* tableModel() const { return table_; }

  protected:
    void keyPressEvent(QKeyEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;

  private:
    void applyViewFont();
    void mirrorSelection();
    CellPos cellAt(const QPoint& point, bool& hit) const;

    TemplateEditorModel& model_;
    LightboardTableModel* table_;
    bool dragging_ = false;
};

}  // namespace ztk::legendo
