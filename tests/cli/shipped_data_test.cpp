// The conductivity curves of the shipped products against the measured points they were
// fitted to (data/lambda-sources.json: product name -> [[T, lambda], ...]).

#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <set>

#include "core/database/database.h"
#include "core/framework/platform.h"
#include "support/testpaths.h"

namespace kelvora {
namespace {

constexpr double kMaxDeviation = 0.002;  // W/mK, the fit's promise at every source point

class FailOnMessage : public Messages {
 public:
  void Show(std::string_view text) override { ADD_FAILURE() << text; }
  bool AskOkCancel(std::string_view text) override { return Fail(text); }
  bool AskYesNo(std::string_view text) override { return Fail(text); }

 private:
  bool Fail(std::string_view text) {
    ADD_FAILURE() << text;
    return false;
  }
};

QJsonObject LambdaSources() {
  QFile file(QString::fromStdString((kelvora::testing::SourceDir() / "data/lambda-sources.json").string()));
  EXPECT_TRUE(file.open(QIODevice::ReadOnly));
  QJsonParseError error;
  const QJsonDocument document = QJsonDocument::fromJson(file.readAll(), &error);
  EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString();
  return document.object();
}

// The products as the program reads them: the compiled file, defaults applied.
TEST(ShippedData, ConductivityCurvesFollowTheirSourcesAndStayPositive) {
  CDataBase db((kelvora::testing::BinDir() / "kelvora.dat").string());
  FailOnMessage messages;
  db.Load(messages);
  const QJsonObject sources = LambdaSources();
  ASSERT_FALSE(db.List(DbList::Products).empty());

  std::set<QString> products;
  for (const auto& record : db.List(DbList::Products)) {
    const auto& product = dynamic_cast<const CIsoProdukt&>(*record);
    const QString name = QString::fromStdString(product.name);
    products.insert(name);
    SCOPED_TRACE(product.name);
    const QJsonArray points = sources.value(name).toArray();
    ASSERT_FALSE(points.isEmpty()) << "no source points";

    double lowest = product.maxTemperature;
    for (const QJsonValue& point : points) {
      const double t = point[0].toDouble();
      const double lambda = point[1].toDouble();
      lowest = std::min(lowest, t);
      EXPECT_NEAR(product.LambdaAt(static_cast<float>(t)), lambda, kMaxDeviation) << "at " << t << " °C";
    }
    constexpr int kSteps = 1000;
    for (int i = 0; i <= kSteps; ++i) {
      const double t = lowest + (product.maxTemperature - lowest) * i / kSteps;
      const float lambda = product.LambdaAt(static_cast<float>(t));
      if (!(lambda > 0)) {
        ADD_FAILURE() << "lambda(" << t << " °C) = " << lambda;
        break;
      }
    }
  }
  for (const QString& name : sources.keys()) {
    EXPECT_TRUE(products.contains(name)) << name.toStdString() << " has sources but is no product";
  }
}

}  // namespace
}  // namespace kelvora
