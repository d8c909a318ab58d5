// zarn-mkdb: builds one database file of the program directory from SQL sources.
//
//   zarn-mkdb --out FILE --sql FILE [--sql FILE ...] [--load-soils sprofile.tot]
//
// The database is built in a temporary file next to FILE: every SQL file runs in
// the order given, all in one transaction; then, with --load-soils, the soil
// catalogue is loaded into tables Soil and SoilLayers; finally the temporary file
// is renamed over FILE. On any failure a message naming the file (and the line of
// the failing SQL statement) goes to stderr, the temporary file is removed, FILE
// is left as it was and the exit status is 1.

#include "cropmodel/soils.h"
#include "shell/usererror.h"

#include <QCoreApplication>
#include <QString>

#include <sqlite3.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <system_error>
#include <vector>

#include <unistd.h>

namespace {

struct Options {
    std::string out;
    std::vector<std::string> sql;
    std::string soils; // empty: no soil catalogue
};

int usage() {
    std::fprintf(
        stderr,
        "usage: zarn-mkdb --out FILE --sql FILE [--sql FILE ...] [--load-soils sprofile.tot]\n");
    return 1;
}

bool readFile(const std::string &path, std::string &text, std::string &error) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = path + ": cannot be read";
        return false;
    }
    std::ostringstream s;
    s << in.rdbuf();
    if (in.bad()) {
        error = path + ": read error";
        return false;
    }
    text = s.str();
    return true;
}

int lineAt(const std::string &text, size_t offset) {
    int line = 1;
    for (size_t i = 0; i < offset && i < text.size(); ++i)
        if (text[i] == '\n')
            ++line;
    return line;
}

size_t skipBlank(const std::string &text, size_t at) {
    while (at < text.size() &&
           (text[at] == ' ' || text[at] == '\t' || text[at] == '\r' || text[at] == '\n'))
        ++at;
    return at;
}

// Runs every statement of one SQL file; on failure names the file and the line.
bool runSqlFile(sqlite3 *db, const std::string &path, std::string &error) {
    std::string text;
    if (!readFile(path, text, error))
        return false;
    const char *begin = text.c_str();
    const char *end = begin + text.size();
    const char *at = begin;
    while (at < end) {
        const size_t start = skipBlank(text, size_t(at - begin));
        sqlite3_stmt *stmt = nullptr;
        const char *tail = nullptr;
        if (sqlite3_prepare_v2(db, at, int(end - at), &stmt, &tail) != SQLITE_OK) {
            const int off = sqlite3_error_offset(db);
            const size_t where = off >= 0 ? size_t(at - begin) + size_t(off) : start;
            error = path + ":" + std::to_string(lineAt(text, where)) + ": " + sqlite3_errmsg(db);
            return false;
        }
        if (!stmt) { // only blanks or comments were left
            at = tail;
            continue;
        }
        int rc;
        while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
        }
        if (rc != SQLITE_DONE) {
            error = path + ":" + std::to_string(lineAt(text, start)) + ": " + sqlite3_errmsg(db);
            sqlite3_finalize(stmt);
            return false;
        }
        sqlite3_finalize(stmt);
        at = tail;
    }
    return true;
}

bool exec(sqlite3 *db, const char *sql, const std::string &file, std::string &error) {
    char *msg = nullptr;
    if (sqlite3_exec(db, sql, nullptr, nullptr, &msg) != SQLITE_OK) {
        error = file + ": " + (msg ? msg : "SQLite error");
        sqlite3_free(msg);
        return false;
    }
    return true;
}

bool buildFromSql(const std::string &file, const std::vector<std::string> &sqlFiles,
                  std::string &error) {
    sqlite3 *db = nullptr;
    if (sqlite3_open_v2(file.c_str(), &db, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) !=
        SQLITE_OK) {
        error = file + ": cannot be created: " + (db ? sqlite3_errmsg(db) : "out of memory");
        sqlite3_close(db);
        return false;
    }
    bool ok = exec(db, "BEGIN", file, error);
    for (const auto &sql : sqlFiles) {
        if (!ok)
            break;
        ok = runSqlFile(db, sql, error);
    }
    if (ok)
        ok = exec(db, "COMMIT", file, error);
    if (sqlite3_close(db) != SQLITE_OK && ok) {
        error = file + ": cannot be closed";
        ok = false;
    }
    return ok;
}

// ---------------------------------------------------------------------------
// Soil catalogue hook. The crop-model files provide the reader of sprofile.tot
// and the loader that fills tables Soil and SoilLayers of a Soils database; the
// call goes here, on the temporary database file `database`, which already holds
// the schema.
bool loadSoilCatalogue(const std::string &database, const std::string &catalogue,
                       std::string &error) {
    try {
        zarn::cropmodel::LoadSoilCatalogueFile(QString::fromStdString(catalogue),
                                               QString::fromStdString(database));
        return true;
    } catch (const zarn::UserError &e) {
        error = e.text().toStdString();
        return false;
    }
}
// ---------------------------------------------------------------------------

} // namespace

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv); // the Qt SQL driver of the soil loader needs it

    Options opt;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        if (i + 1 >= argc)
            return usage();
        if (a == "--out")
            opt.out = argv[++i];
        else if (a == "--sql")
            opt.sql.push_back(argv[++i]);
        else if (a == "--load-soils")
            opt.soils = argv[++i];
        else
            return usage();
    }
    if (opt.out.empty() || opt.sql.empty())
        return usage();

    namespace fs = std::filesystem;
    const fs::path out(opt.out);
    const fs::path tmp =
        out.parent_path() / (out.filename().string() + ".tmp" + std::to_string(getpid()));
    std::error_code ec;
    fs::remove(tmp, ec);

    std::string error;
    bool ok = buildFromSql(tmp.string(), opt.sql, error);
    if (ok && !opt.soils.empty())
        ok = loadSoilCatalogue(tmp.string(), opt.soils, error);
    if (ok) {
        fs::rename(tmp, out, ec);
        if (ec) {
            error = opt.out + ": cannot be replaced: " + ec.message();
            ok = false;
        }
    }
    if (!ok) {
        fs::remove(tmp, ec);
        std::fprintf(stderr, "zarn-mkdb: %s\n", error.c_str());
        return 1;
    }
    return 0;
}
