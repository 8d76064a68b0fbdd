#include "ui/AreaGridModel.h"

#include <gtest/gtest.h>

#include <QAbstractItemModelTester>

namespace qm {
namespace {

// Grid row k is area k: row 0 is the heading row, so the model's rows are one less.
TEST(AreaGridModelTest, PassesTheModelTesterWhileRowsComeAndGo) {
    AreaGridModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::Fatal);
    model.SetGridRows(274);
    EXPECT_EQ(model.rowCount(), 273);
    model.SetGridCell(273, kColParm2, "7");
    EXPECT_EQ(model.data(model.index(272, kColParm2)).toString(), "7");
    model.SetGridCell(0, kColOwner, "Holder");
    EXPECT_EQ(model.headerData(kColOwner, Qt::Horizontal).toString(), "Holder");
    model.SetGridRows(10);
    model.SetGridRows(274);
}

}  // namespace
}  // namespace qm
