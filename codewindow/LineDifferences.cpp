#include "LineDifferences.h"

#include <wx/tokenzr.h>

#include <algorithm>

std::vector<wxString> TextLines(const wxString& text)
{
    const wxArrayString lines = wxSplit(text, '\n', '\0');
    return lines.empty() ? std::vector<wxString>{wxString()} : std::vector<wxString>(lines.begin(), lines.end());
}

// A longest common subsequence of the lines.
std::vector<LineStretch> LineDifferences(const std::vector<wxString>& now, const std::vector<wxString>& next)
{
    const size_t n = now.size(), m = next.size();
    // common[i][j]: the longest common subsequence of now[i..] and next[j..].
    std::vector<std::vector<int>> common(n + 1, std::vector<int>(m + 1, 0));
    for (size_t i = n; i-- > 0;)
        for (size_t j = m; j-- > 0;)
            common[i][j] = now[i] == next[j] ? common[i + 1][j + 1] + 1 : std::max(common[i + 1][j], common[i][j + 1]);
    std::vector<LineStretch> stretches;
    size_t i = 0, j = 0;
    while (i < n || j < m) {
        if (i < n && j < m && now[i] == next[j]) {
            ++i, ++j;
            continue;
        }
        LineStretch s{int(i), int(i), int(j), int(j)};
        while ((i < n || j < m) && !(i < n && j < m && now[i] == next[j])) {
            if (j < m && (i == n || common[i][j + 1] >= common[i + 1][j]))
                ++j;
            else
                ++i;
        }
        s.nowTo = int(i), s.nextTo = int(j);
        stretches.push_back(s);
    }
    return stretches;
}
