#include "cli/dbcommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>

#include <algorithm>
#include <cstdio>
#include <vector>

#include "cli/cliplatform.h"
#include "core/framework/archive.h"
#include "core/framework/fileio.h"
#include "core/framework/stringtable.h"

namespace kelvora::cli {
namespace {

struct Attempt {
  DataKind kind;
  std::unique_ptr<CItem> container;
  std::optional<ArchiveError> error;
  std::size_t remaining = 0;

  bool ReadWhole() const { return !error && remaining == 0; }
};

Attempt ReadAs(DataKind kind, const std::string& bytes) {
  Attempt attempt{kind, NewContainer(kind), std::nullopt, 0};
  CArchive ar(bytes, ContainerClasses(kind));
  try {
    attempt.container->Serialize(ar);
  } catch (const ArchiveException& e) {
    attempt.error = e.error;
  }
  attempt.remaining = ar.Remaining();
  return attempt;
}

// The kinds in the order they are preferred where the content allows more than one.
std::vector<DataKind> PreferenceOrder(const std::filesystem::path& path) {
  const std::string extension = path.extension().string();
  std::vector<DataKind> order;
  if (extension == ".cli") order.push_back(DataKind::Climate);
  if (extension == ".cst") order.push_back(DataKind::Costs);
  for (DataKind kind : {DataKind::UserDatabase, DataKind::Database, DataKind::Climate, DataKind::Costs}) {
    if (std::find(order.begin(), order.end(), kind) == order.end()) order.push_back(kind);
  }
  return order;
}

std::string FailureText(const Attempt& attempt) {
  if (attempt.error) return std::string(ArchiveErrorText(*attempt.error, Language::English));
  return std::to_string(attempt.remaining) + " bytes follow the records";
}

}  // namespace

std::optional<LoadedData> ReadDataFile(const std::filesystem::path& path, std::optional<DataKind> kind,
                                       std::string& error) {
  const auto bytes = ReadWholeFile(path);
  if (!bytes) {
    error = UnreadableFileText(path);
    return std::nullopt;
  }
  if (kind) {
    Attempt attempt = ReadAs(*kind, *bytes);
    if (attempt.ReadWhole()) return LoadedData{*kind, std::move(attempt.container)};
    error =
        path.string() + ": damaged " + std::string(DataKindName(*kind)) + " file: " + FailureText(attempt);
    return std::nullopt;
  }
  std::vector<Attempt> attempts;
  for (DataKind candidate : PreferenceOrder(path)) attempts.push_back(ReadAs(candidate, *bytes));
  for (Attempt& attempt : attempts) {
    if (attempt.ReadWhole()) return LoadedData{attempt.kind, std::move(attempt.container)};
  }
  // The kind that got furthest is what the file most likely was before the damage.
  const Attempt* best = &attempts.front();
  for (const Attempt& attempt : attempts) {
    if (attempt.remaining < best->remaining) best = &attempt;
  }
  error = path.string() + ": not a reference-data file, or damaged (read as " +
          std::string(DataKindName(best->kind)) + ": " + FailureText(*best) + ")";
  return std::nullopt;
}

std::optional<std::string> DumpDataFile(const std::filesystem::path& path, std::optional<DataKind> kind,
                                        std::string& error) {
  auto data = ReadDataFile(path, kind, error);
  if (!data) return std::nullopt;
  return ToJson(data->kind, *data->container);
}

bool BuildDataFile(const std::filesystem::path& json, const std::filesystem::path& out, std::string& error) {
  const auto text = ReadWholeFile(json);
  if (!text) {
    error = UnreadableFileText(json);
    return false;
  }
  ParsedData data;
  try {
    data = FromJson(QByteArray::fromStdString(*text));
  } catch (const JsonError& e) {
    error = json.string() + ": " + e.what();
    return false;
  }
  CArchive ar;
  data.container->Serialize(ar);
  if (!WriteFileReplacing(out, ar.Data())) {
    error = out.string() + ": cannot be written";
    return false;
  }
  return true;
}

int RunDbCommand(QCommandLineParser& parser, const QCoreApplication& app) {
  parser.clearPositionalArguments();
  parser.addPositionalArgument(QStringLiteral("db"),
                               QStringLiteral("Reference data as JSON, in the form of docs/data-format.md."),
                               QStringLiteral("db"));
  parser.addPositionalArgument(QStringLiteral("dump"),
                               QStringLiteral("Print the records of the binary FILE as JSON on stdout."),
                               QStringLiteral("dump FILE |"));
  parser.addPositionalArgument(QStringLiteral("build"),
                               QStringLiteral("Write the binary file OUT from the JSON file."),
                               QStringLiteral("build JSON OUT"));
  const QCommandLineOption kindOption(
      QStringLiteral("kind"),
      QStringLiteral("dump: read FILE as this kind (database, userDatabase, climate or costs) instead of "
                     "telling it from the content."),
      QStringLiteral("kind"));
  parser.addOption(kindOption);
  parser.process(app);

  const QStringList arguments = parser.positionalArguments();
  const QString action = arguments.value(1);
  std::optional<DataKind> kind;
  if (parser.isSet(kindOption)) {
    kind = DataKindFromName(parser.value(kindOption).toStdString());
    if (!kind) return Fail("--kind: expected database, userDatabase, climate or costs");
  }

  std::string error;
  if (action == QLatin1String("dump") && arguments.size() == 3) {
    const auto json = DumpDataFile(PathArgument(arguments[2]), kind, error);
    if (!json) return Fail(error);
    if (std::fwrite(json->data(), 1, json->size(), stdout) != json->size() || std::fflush(stdout) != 0) {
      return Fail("cannot write to standard output");
    }
    return 0;
  }
  if (action == QLatin1String("build") && arguments.size() == 4) {
    if (kind) return Fail("--kind applies to db dump only; the JSON names its kind in \"file\"");
    if (!BuildDataFile(PathArgument(arguments[2]), PathArgument(arguments[3]), error)) return Fail(error);
    return 0;
  }
  return Fail("usage: kelvora-cli db dump FILE [--kind KIND] | kelvora-cli db build JSON OUT");
}

}  // namespace kelvora::cli
