#include "core/document/Change.h"

#include "core/edition/EditionProfile.h"

#include <QCoreApplication>

namespace quindaro2 {

namespace {

struct Text {
    Q_DECLARE_TR_FUNCTIONS(Change)
};

template <typename... Handlers>
struct Overloaded : Handlers... {
    using Handlers::operator()...;
};
template <typename... Handlers>
Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace

bool Fits(const RomImage& image, const Change& change, bool forward)
{
    for (const ByteRun& run : change.runs) {
        const QByteArray& expected = forward ? run.before : run.after;
        if (run.offset < 0 || run.offset + expected.size() > image.size() || image.bytesAt(run.offset, expected.size()) != expected)
            return false;
    }
    return true;
}

void Make(RomImage& image, const Change& change, bool forward)
{
    for (const ByteRun& run : change.runs)
        image.overwrite(run.offset, forward ? run.after : run.before);
}

QString ChangeName(const EditionProfile& profile, const Change& change)
{
    return std::visit(Overloaded{
                          [&](const CellChange& c) {
                              const ColumnDescriptor* column = profile.column(c.grid, c.column);
                              QString header = column ? column->header : QString();
                              header.remove(u'　');
                              return Text::tr("%1の変更").arg(header);
                          },
                          [](const RowMove&) { return Text::tr("行の移動"); },
                          [](const ColorChange& c) {
                              return c.color == TeamColor::Helmet ? Text::tr("帽子の色の変更")
                                                                  : Text::tr("ユニフォームの色の変更");
                          },
                          [](const TeamRewrite&) { return Text::tr("選手データ取込"); },
                      },
                      change.subject);
}

} // namespace quindaro2
