#include "tools/authoring/Catalogue.h"
#include "platform/CodePage.h"
#include "tools/commands/Commands.h"

namespace salon::tools {

namespace {

const char* const Usage =
    "usage: dslcat --out DRIVE --category NAME DIR PREFIX MODEL.DSL MODEL.DSL... [--category ...]\n"
    "\n"
    "Writes DRIVE/dslob00.aob, DRIVE/orvella/obsdslNN.irw with a 90 x 120 preview of every model,\n"
    "and the models as DRIVE/DIR/PREFIX001.DSL, PREFIX002.DSL... in the order given.\n"
    "Category 0 lets the customer recolour the hair; category 1 does not.\n"
    "\n"
    "  --help      this text\n"
    "  --version   the version number\n";

} // namespace

int runDslCat(const std::vector<std::string>& args, std::ostream& out, std::ostream& err)
{
    std::vector<Category> categories;
    std::vector<size_t> nameArg;  // where each category's name was given, to echo it as typed
    std::string drive;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& a = args[i];
        if (a == "--help" || a == "-h") { out << Usage; return 0; }
        if (a == "--out") {
            if (i + 1 >= args.size()) { err << "dslcat: --out needs a directory\n"; return 2; }
            drive = args[++i];
        } else if (a == "--category") {
            if (i + 3 >= args.size()) { err << "dslcat: --category needs NAME DIR PREFIX\n"; return 2; }
            auto name = utf8ToCp1250(args[i + 1]);
            if (!name) {
                err << "dslcat: the category name \"" << args[i + 1]
                    << "\" has characters the catalogue's code page (Windows-1250) cannot hold\n";
                return 1;
            }
            categories.push_back({*name, args[i + 2], args[i + 3], {}});
            nameArg.push_back(i + 1);
            i += 3;
        } else if (!a.empty() && a[0] == '-') {
            err << "dslcat: unknown option " << a << "\n" << Usage;
            return 2;
        } else {
            if (categories.empty()) { err << "dslcat: model " << a << " comes before any --category\n"; return 2; }
            categories.back().models.push_back(a);
        }
    }
    if (drive.empty()) { err << "dslcat: --out is required\n" << Usage; return 2; }
    auto done = buildCatalogue(categories, drive);
    if (!done) {
        err << "dslcat: nothing written to " << drive << ":\n  " << done.error() << "\n";
        return 1;
    }
    for (size_t k = 0; k < categories.size(); ++k)
        out << "category " << k << " \"" << args[size_t(nameArg[k])] << "\": " << categories[k].models.size()
            << " models in " << categories[k].dir << "\n";
    return 0;
}

} // namespace salon::tools
