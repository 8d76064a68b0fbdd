#include "ui/AreaGridModel.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

namespace qm {
namespace {

TEST(AreaGridModelTest, PassesTheModelTesterWhileRowsComeAndGo) {
    AreaGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    EXPECT_EQ(model.rowCount(), 0);
    model.SetGridRows(274);
    EXPECT_EQ(model.rowCount(), 273);
    model.SetGridCell(5, kColName, "Saxon March");
    model.SetGridRows(10);
    model.SetGridRows(274);
    EXPECT_EQ(model.columnCount(), 10);
}

TEST(AreaGridModelTest, GridRowIsAreaAndRowZeroIsTheHeading) {
    AreaGridModel model;
    model.SetGridRows(274);
    model.SetGridCell(1, kColId, "1");
    model.SetGridCell(273, kColParm2, "7");
    EXPECT_EQ(model.data(model.index(0, kColId)).toString(), "1");
    EXPECT_EQ(model.data(model.index(272, kColParm2)).toString(), "7");
    EXPECT_EQ(model.GridCell(273, kColParm2), "7");

    EXPECT_EQ(model.headerData(kColOwner, Qt::Horizontal).toString(), "Owner");
    model.SetGridCell(0, kColOwner, "Holder");
    EXPECT_EQ(model.headerData(kColOwner, Qt::Horizontal).toString(), "Holder");
}

TEST(AreaGridModelTest, CellsOutsideTheGridAreIgnored) {
    AreaGridModel model;
    model.SetGridRows(274);
    model.SetGridCell(274, kColId, "x");
    model.SetGridCell(-1, kColId, "x");
    model.SetGridCell(3, kAreaColumnCount, "x");
    model.SetGridCell(3, -1, "x");
    for (int row = 1; row <= 273; ++row)
        for (int column = 0; column < kAreaColumnCount; ++column)
            ASSERT_TRUE(model.GridCell(row, column).isEmpty());
}

TEST(AreaGridModelTest, HeadingsAndDataShareTheColumnAlignment) {
    AreaGridModel model;
    model.SetGridRows(2);
    const Qt::Alignment expected[kAreaColumnCount] = {
        Qt::AlignRight, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignHCenter,
        Qt::AlignLeft,  Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft, Qt::AlignLeft};
    for (int column = 0; column < kAreaColumnCount; ++column) {
        const int data = model.data(model.index(0, column), Qt::TextAlignmentRole).toInt();
        const int heading = model.headerData(column, Qt::Horizontal, Qt::TextAlignmentRole).toInt();
        EXPECT_EQ(data, heading) << column;
        EXPECT_EQ(data & Qt::AlignHorizontal_Mask, int(expected[column])) << column;
    }
}

}  // namespace
}  // namespace qm
