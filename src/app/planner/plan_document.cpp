// A plan as a paged document, for the PDF export. Text goes in rows of a fixed-pitch font; the
// charts are drawn as vector drawings from the same chart code as the window's.
#include "app/planner/plan_document.h"

#include <QBuffer>
#include <QChart>
#include <QFontMetricsF>
#include <QGraphicsLayout>
#include <QGraphicsScene>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <vector>

#include "app/a4_pdf.h"
#include "app/page_writer.h"
#include "app/planner/plan_charts.h"
#include "app/planner/plan_texts.h"
#include "plan/offer.h"
#include "plan/words.h"

namespace brisanel::app::planner {
namespace {

constexpr int kRowsPerPage = 64;  // rows of text on a page, below which the page number goes
constexpr int kGap = 2;           // characters between columns

struct Line {
    std::vector<QString> cells;
    bool bold = false;
};

// Rows of text in columns: the first column starts at the left, the others end at their right
// edge. Widths in characters, from the widest text of each column.
struct Table {
    std::vector<qsizetype> ends;  // where each column ends, in characters
    bool leftAligned = false;     // all columns start where the last one ended plus a gap
    std::vector<Line> header;     // repeated at the top of every page the table spans
    std::vector<Line> lines;
    bool newPage = false;

    void fit() {
        std::vector<qsizetype> widths;
        for (const auto* part : {&header, &lines}) {
            for (const Line& line : *part) {
                if (widths.size() < line.cells.size()) widths.resize(line.cells.size());
                for (std::size_t c = 0; c < line.cells.size(); ++c) {
                    widths[c] = std::max(widths[c], line.cells[c].size());
                }
            }
        }
        ends.clear();
        qsizetype at = 0;
        for (qsizetype width : widths) {
            at += (ends.empty() ? 0 : kGap) + width;
            ends.push_back(at);
        }
    }
};

// What a page holds: rows of text from tables, or the charts.
struct Placed {
    const Table* table;
    const Line* line;
    int row;
};
// What a page holds: rows of text from tables, or the charts.
struct Page {
    std::vector<Placed> rows;
    bool charts = false;
};

std::vector<Page> paginate(const std::vector<Table>& tables, std::size_t chartsBefore) {
    std::vector<Page> pages(1);
    int row = 0;
    const auto newPage = [&] {
        pages.emplace_back();
        row = 0;
    };
    for (std::size_t t = 0; t < tables.size(); ++t) {
        if (t == chartsBefore) {
            if (!pages.back().rows.empty()) newPage();
            pages.back().charts = true;
            newPage();
        }
        const Table& table = tables[t];
        if (table.newPage && row > 0) newPage();
        const int headerRows = static_cast<int>(table.header.size());
        bool headed = false;
        for (const Line& line : table.lines) {
            if (row + (headed ? 1 : headerRows + 1) > kRowsPerPage) {
                newPage();
                headed = false;
            }
            if (!headed) {
                for (const Line& header : table.header)
                    pages.back().rows.push_back({&table, &header, row++});
                headed = true;
            }
            pages.back().rows.push_back({&table, &line, row++});
        }
        if (table.lines.empty()) {
            for (const Line& header : table.header)
                pages.back().rows.push_back({&table, &header, row++});
        }
        ++row;  // a blank row after each table
    }
    if (pages.back().rows.empty() && !pages.back().charts && pages.size() > 1) pages.pop_back();
    return pages;
}

QString rateText(double rate) {
    return QLocale().toString(rate, 'g', 6) + '%';
}

Table summary(const PlanDocument& document) {
    const plan::PlanInputs& inputs = document.inputs;
    const plan::PlanResult& result = document.result;
    Table table;
    table.leftAligned = true;
    const auto add = [&table](QString caption, QString text = {}, bool bold = false) {
        table.lines.push_back({{std::move(caption), std::move(text)}, bold});
    };
    add(QStringLiteral("Loan plan"), {}, true);
    add({});
    // The boxes' texts as the user typed them, in UTF-8.
    add(QStringLiteral("Principal:"), QString::fromStdString(inputs.loan.principal));
    add(QStringLiteral("Annual rate %:"), QString::fromStdString(inputs.loan.rate));
    add(QStringLiteral("Start after (months):"), QString::fromStdString(inputs.loan.startAfter));
    if (inputs.loan.months) {
        add(QStringLiteral("Number of months:"), QString::fromStdString(*inputs.loan.months));
    } else {
        add(QStringLiteral("Monthly instalment:"),
            QString::fromStdString(inputs.loan.instalment.value_or("")));
    }
    // The lender's schedule and the fees, as far as they differ from the plain monthly loan.
    const plan::ScheduleOptions& schedule = inputs.schedule;
    const auto word = [](std::string_view text) { return QString::fromUtf8(text); };
    if (schedule.frequency != plan::Frequency::Monthly || schedule.accelerated) {
        add(QStringLiteral("Frequency:"),
            word(plan::wordsOf(schedule.frequency).word) +
                (schedule.accelerated ? QStringLiteral(", accelerated") : QString()));
    }
    if (schedule.firstPayment)
        add(QStringLiteral("First payment:"), word(plan::isoDate(*schedule.firstPayment)));
    if (schedule.loanDate)
        add(QStringLiteral("Loan date:"), word(plan::isoDate(*schedule.loanDate)));
    if (schedule.dayCount != plan::DayCount::Periodic) {
        add(QStringLiteral("Day count:"),
            word(
                plan::wordOf(plan::kDayCounts, &plan::DayCountWords::dayCount, schedule.dayCount)));
    }
    if (schedule.rounding == plan::Rounding::Cent) {
        add(QStringLiteral("Whole cents, instalment:"),
            word(plan::wordOf(plan::kInstalmentRules, &plan::InstalmentRuleWords::rule,
                              schedule.instalmentRule)));
    }
    if (schedule.balloon) add(QStringLiteral("Balloon:"), amountText(*schedule.balloon));
    if (schedule.interestOnly > 0)
        add(QStringLiteral("Interest-only payments:"), QString::number(schedule.interestOnly));
    if (schedule.years.kind != plan::YearStart::Kind::Loan)
        add(QStringLiteral("Years:"), word(plan::yearStartText(schedule.years)));
    const plan::Fees& fees = inputs.fees;
    for (const auto& [caption, fee] : {std::pair{"Fee at signing:", &fees.upfront},
                                       std::pair{"Fee added to the loan:", &fees.financed}}) {
        if (*fee) add(QLatin1String(caption), word(plan::feeText(**fee)));
    }
    for (const auto& [caption, fee] :
         {std::pair{"Fee with each payment:", fees.perPayment},
          std::pair{"Yearly fee:", fees.yearly}, std::pair{"Exit fee:", fees.exit}}) {
        if (fee != 0) add(QLatin1String(caption), amountText(fee));
    }
    add(QStringLiteral("After an extra payment:"), planText(plan::wordsOf(inputs.policy).name));
    if (inputs.finishBy || inputs.finishByDate) {
        add(QStringLiteral("Finish by:"),
            QStringLiteral("%1, needs %2 more each payment")
                .arg(inputs.finishByDate ? word(plan::isoDate(*inputs.finishByDate))
                                         : QString::number(inputs.finishBy.value_or(0)))
                .arg(amountText(result.extraNeeded.value_or(0))));
    }
    add({});
    add(QStringLiteral("Events"), {}, true);
    if (inputs.events.empty()) add(QStringLiteral("None"));
    for (const plan::Event& event : inputs.events) {
        const QString value = event.kind == plan::EventKind::RateChange ? rateText(event.value)
                                                                        : amountText(event.value);
        add(QString::fromStdString(plan::describe(event)) + ':', value);
    }
    return table;
}

Table figures(const PlanDocument& document) {
    const plan::PlanResult& result = document.result;
    Table table;
    table.header.push_back(
        {{QString(), QStringLiteral("Without events"), QStringLiteral("With the plan")}, true});
    for (const plan::FigureRow& figure : plan::kFigureRows) {
        table.lines.push_back({{planText(figure.caption), figureText(figure, result.base.totals),
                                figureText(figure, result.plan.totals)}});
    }
    if (!document.inputs.fees.any()) return table;
    // With fees, what the credit costs, without and with the events.
    std::array<plan::CreditCost, 2> costs;
    for (auto [cost, run] : {std::pair{&costs[0], &plan::PlanResult::base},
                             std::pair{&costs[1], &plan::PlanResult::plan}}) {
        *cost = plan::planCost(document.inputs, result, document.method, run);
    }
    const auto row = [&](std::string_view caption, auto text) {
        table.lines.push_back({{planText(caption), text(costs[0]), text(costs[1])}});
    };
    row(plan::kCreditCaption, [](const plan::CreditCost& c) { return amountText(c.credit); });
    row(plan::kPayableCaption, [](const plan::CreditCost& c) { return amountText(c.payable); });
    row(plan::kCostOfCreditCaption,
        [](const plan::CreditCost& c) { return amountText(c.costOfCredit); });
    table.lines.push_back(
        {{QStringLiteral("APR (%1)").arg(QString::fromUtf8(plan::methodName(document.method))),
          aprText(costs[0]), aprText(costs[1])}});
    return table;
}

Table notes(const plan::PlanResult& result) {
    Table table;
    table.leftAligned = true;
    if (!result.limitReached() && result.base.totals.cleared) {
        table.lines.push_back(
            {{savedText(result.monthsSaved, result.interestSaved, result.frequency)}, true});
    }
    for (const plan::Note& note : result.notes) {
        table.lines.push_back({{QString::fromStdString(note.text)}});
    }
    return table;
}

Table yearTable(const plan::YearRows& years) {
    Table table;
    table.newPage = true;
    table.header = {
        {{QStringLiteral("Yearly summary")}, true},
        {{QStringLiteral("Year"), QStringLiteral("Months"), QStringLiteral("Instalments"),
          QStringLiteral("Extras"), QStringLiteral("Interest"), QStringLiteral("Principal"),
          QStringLiteral("Balance"), QStringLiteral("Interest so far")},
         true}};
    table.lines.reserve(years.size());
    for (const plan::YearRow& year : years) {
        table.lines.push_back(
            {{QString::fromStdString(year.label),
              QStringLiteral("%1-%2").arg(year.firstMonth).arg(year.lastMonth),
              amountText(year.instalments), amountText(year.extras), amountText(year.interest),
              amountText(year.principalRepaid), amountText(year.closingBalance),
              amountText(year.cumulativeInterest)}});
    }
    return table;
}

Table scheduleTable(const plan::PlanRows& rows) {
    Table table;
    table.newPage = true;
    table.header = {
        {{QStringLiteral("Month-by-month schedule")}, true},
        {{QStringLiteral("Month"), QStringLiteral("Opening"), QStringLiteral("Interest"),
          QStringLiteral("Instalment"), QStringLiteral("Extra"), QStringLiteral("Principal"),
          QStringLiteral("Closing"), QStringLiteral("Rate")},
         true}};
    table.lines.reserve(rows.size());
    for (const plan::PlanRow& row : rows) {
        table.lines.push_back(
            {{QString::number(row.month), amountText(row.openingBalance), amountText(row.interest),
              amountText(row.instalment), amountText(row.extra), amountText(row.principalRepaid),
              amountText(row.closingBalance), rateText(row.annualRate)}});
    }
    return table;
}

// The three charts drawn one under another over the page's rows.
void drawCharts(QPainter& painter, const PlanDocument& document, qreal width, qreal height) {
    PlanCharts charts;
    charts.show(&document.result, document.years);
    QGraphicsScene scene;  // owns the charts from here on
    const QSizeF size(720, 380);
    const qreal gap = height / 60;
    const qreal each = (height - 2 * gap) / 3;
    int i = 0;
    for (QChart* chart : {charts.balance(), charts.years(), charts.totals()}) {
        scene.addItem(chart);
        chart->setPos(0, i * (size.height() + 20));
        chart->resize(size);
        chart->layout()->activate();
        const QRectF target(0, i * (each + gap), width, each);
        scene.render(&painter, target, QRectF(chart->pos(), size), Qt::KeepAspectRatio);
        ++i;
    }
}

}  // namespace

bool drawPlanDocument(QPagedPaintDevice& device, const PlanDocument& document) {
    std::vector<Table> tables;
    tables.push_back(summary(document));
    tables.push_back(figures(document));
    tables.push_back(notes(document.result));
    tables.push_back(yearTable(document.years));
    tables.push_back(scheduleTable(document.result.plan.rows));
    for (Table& table : tables) table.fit();
    const std::vector<Page> pages = paginate(tables, 3);

    QPainter painter;
    if (!painter.begin(&device)) return false;
    PageWriter writer(painter, device, kRowsPerPage, 8);
    const qreal character = writer.character();
    const int count = static_cast<int>(pages.size());
    for (int number = 1; number <= count; ++number) {
        if (number > 1 && !device.newPage()) return false;
        const Page& page = pages[static_cast<std::size_t>(number - 1)];
        if (page.charts) {
            painter.save();
            drawCharts(painter, document, writer.width(), writer.textHeight());
            painter.restore();
            writer.restoreFont();
        }
        for (const Placed& placed : page.rows) {
            const auto& cells = placed.line->cells;
            const auto& ends = placed.table->ends;
            for (std::size_t c = 0; c < cells.size(); ++c) {
                qreal x = 0;
                if (placed.table->leftAligned) {
                    x = c == 0 ? 0 : (ends[c - 1] + kGap) * character;
                } else if (c > 0) {
                    x = (ends[c] - cells[c].size()) * character;
                }
                writer.text(placed.row, x, cells[c], placed.line->bold);
            }
        }
        writer.pageNumber(number, count);
    }
    return painter.end();
}

QByteArray planPdf(const PlanDocument& document) {
    return a4Pdf(QStringLiteral("Loan plan"),
                 [&](QPdfWriter& writer) { return drawPlanDocument(writer, document); });
}

}  // namespace brisanel::app::planner
