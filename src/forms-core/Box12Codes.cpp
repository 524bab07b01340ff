#include "Box12Codes.h"

#include "TextUtils.h"

const QStringList &Box12Codes()
{
    static const QStringList Codes = { QStringLiteral("A"), QStringLiteral("B"), QStringLiteral("C"),
        QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"), QStringLiteral("G"),
        QStringLiteral("H"), QStringLiteral("J"), QStringLiteral("K"), QStringLiteral("L"),
        QStringLiteral("M"), QStringLiteral("N"), QStringLiteral("P"), QStringLiteral("Q"),
        QStringLiteral("R"), QStringLiteral("S"), QStringLiteral("T"), QStringLiteral("V"),
        QStringLiteral("W"), QStringLiteral("Y"), QStringLiteral("Z"), QStringLiteral("AA"),
        QStringLiteral("BB"), QStringLiteral("DD"), QStringLiteral("EE"), QStringLiteral("FF"),
        QStringLiteral("GG"), QStringLiteral("HH"), QStringLiteral("II") };
    return Codes;
}

const QStringList &Box12Descriptions()
{
    static const QStringList Descriptions = {
        QStringLiteral("Uncollected social security or RRTA tax on tips"),
        QStringLiteral("Uncollected Medicare tax on tips"),
        QStringLiteral("Taxable cost of group-term life insurance over $50,000"),
        QStringLiteral("Elective deferrals under a section 401(k) cash or deferred arrangement (plan). "
                       "(Including a SIMPLE 401(k) arrangement)"),
        QStringLiteral("Elective deferrals under a section 403(b) salary reduction agreement"),
        QStringLiteral("Elective deferrals under a section 408(k)(6) salary reduction SEP (includes elective "
                       "deferrals made to a Roth SEP IRA)"),
        QStringLiteral("Elective deferrals and employer contributions (including nonelective deferrals) to "
                       "any govt./non-govt. sec. 457(b) deferred compensation plan"),
        QStringLiteral("Elective deferrals under section 501(c)(18)(D) tax-exempt organization plan"),
        QStringLiteral("Nontaxable sick pay"),
        QStringLiteral("20% excise tax on excess golden parachute payments"),
        QStringLiteral("Substantiated employee business expense reimbursements"),
        QStringLiteral("Uncollected social security or RRTA tax on taxable cost of group-term life insurance "
                       "over $50,000 (for former employees)"),
        QStringLiteral("Uncollected Medicare tax on taxable cost of group-term life insurance over $50,000 "
                       "(for former employees)"),
        QStringLiteral("Excludable moving expense reimbursements paid directly to a member of the U.S. Armed "
                       "Forces"),
        QStringLiteral("Nontaxable combat pay"),
        QStringLiteral("Employer contributions to an Archer MSA"),
        QStringLiteral("Employee salary reduction contributions under a section 408(p) SIMPLE plan (includes "
                       "salary reduction contributions made to a Roth SEP IRA)"),
        QStringLiteral("Adoption benefits"),
        QStringLiteral("Income from the exercise of nonstatutory stock option(s)"),
        QStringLiteral("Employer contributions to a health savings account (HSA)"),
        QStringLiteral("Deferrals under a section 409A nonqualified deferred compensation plan"),
        QStringLiteral("Income under a nonqualified deferred compensation plan that fails to satisfy section "
                       "409A"),
        QStringLiteral("Designated Roth contributions under a section 401(k) plan"),
        QStringLiteral("Designated Roth contributions under a section 403(b) plan"),
        QStringLiteral("Cost of employer-sponsored health coverage"),
        QStringLiteral("Designated Roth Contributions under a government section 457(b) plan"),
        QStringLiteral(
            "Permitted benefits under a qualified small employer health reimbursement arrangement"),
        QStringLiteral("Income from qualified equity grants under section 83(i)"),
        QStringLiteral(
            "Aggregate deferrals under section 83(i) elections as of the close of the calendar year"),
        QStringLiteral("Medicaid waiver payments excluded from gross income under Notice 2014-7"),
    };
    return Descriptions;
}

bool IsValidBox12Code(const QString &Code)
{
    return IndexOfText(Code, Box12Codes(), int(Box12Codes().size()) - 1) > 0;
}

bool IsDeferredCompensationCode(const QString &Code)
{
    static const QStringList Deferred = { QStringLiteral("D"), QStringLiteral("E"), QStringLiteral("F"),
        QStringLiteral("G"), QStringLiteral("H"), QStringLiteral("S"), QStringLiteral("Y"),
        QStringLiteral("AA"), QStringLiteral("BB"), QStringLiteral("EE") };
    return IndexOfText(Code, Deferred, int(Deferred.size()) - 1) > 0;
}
