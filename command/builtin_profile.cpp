#include "command/builtin_profile.h"

namespace tarn::command {

std::string_view builtinProfile() {
  static constexpr std::string_view kText = R"(s Margins 1 254 1
s Tabs 9 8
s LineTrim Trailing
s RestoreCursor off
d up=[up]
d down=[down]
d left=[left]
d right=[right]
d pgup=[pu]
d pgdn=[pd]
d home=[bl]
d end=[el]
d ins=[it]
d del=[dc]
d enter=[bl][down]
d backspace=[ro]
d esc=[cg]
d tab=[tb]
d padplus='+'
d padminus='-'
d f1=[edit tarn.hlp]
d f2=[cc][bl][ee]'save'
d f3=[cc][bl][ee]'file'
d f4=[quit]
d f5=[bl][ee]
d f6=[ee]
d f7=[cc][bl][ee]'print'
d f8=[edit]
d f9=[il]
d f10=[il][ps][ml][bw][bl][wb][bm][po]
d c-left=[left 40]
d c-right=[right 40]
d c-pgup=[te]
d c-pgdn=[be]
d c-home=[to]
d c-end=[bo]
d c-enter=[ex]
d c-backspace=[dl]
d c-b=[wb]
d c-c=[cb]
d c-d=[ps][ml][ci][um][po]
d c-e=[we]
d c-f=[cf]
d c-j=[ps][down][fn][mb][el][we][mb][up][el][we][right][cm][down][um][dl][up][po]
d c-k=[edit .keydefs]
d c-l=[cl]
d c-n=[down 64]
d c-p=[pm]
d c-r=[ps][ml][cm][po]
d c-s=[ss]
d c-t=[ct]
d c-v=[cp]
d c-z=[ud]
d c-f1=[il]
d c-f2=[il][il]
d c-f3=[il][il][il]
d c-f4=[il][il][il][il]
d c-f5=[il][il][il][il][il]
d c-f6=[il][il][il][il][il][il]
d c-f7=[il][il][il][il][il][il][il]
d c-f8=[il][il][il][il][il][il][il][il]
d c-f9=[il][il][il][il][il][il][il][il][il]
d c-f10=[il][il][il][il][il][il][il][il][il][il]
d s-up='8'
d s-down='2'
d s-left='4'
d s-right='6'
d s-pgup='9'
d s-pgdn='3'
d s-home='7'
d s-end='1'
d s-ins='0'
d s-pad5='5'
d s-del='.'
d s-padplus='+'
d s-padminus='-'
d s-tab=[bt]
d s-f1=[pd][be][down 2][cc]
d s-f2=[pu][te][up 2][cc]
d s-f4=[ud]
d s-f5=[co]
d s-f6=[eb][bl]
d s-f7=[sl]
d s-f8=[sr]
d s-f9=[dir]
d s-f10=[ps][ca][ml][cm][column 9]'.'[column 14][ee][c/ //-*m][bl][sr][sr]'e '[ct][down][dm][ex][po]
d a-b=[mb]
d a-c=[mc]
d a-d=[dm]
d a-e=[em]
d a-f=[fm]
d a-j=[jo]
d a-l=[ml]
d a-m=[mm]
d a-o=[ob]
d a-s=[sp]
d a-u=[um]
d a-w=[um][tw][mc][we][right][mc][bm]
d a-y=[bm]
d a-z=[cm]
d a-0=[set margins 1 100 1]
d a-1=[set margins 1 10 1]
d a-2=[set margins 1 20 1]
d a-3=[set margins 1 30 1]
d a-4=[set margins 1 40 1]
d a-5=[set margins 1 50 1]
d a-6=[set margins 1 60 1]
d a-7=[set margins 1 70 1]
d a-8=[set margins 1 80 1]
d a-9=[set margins 1 90 1]
)";
  return kText;
}

}  // namespace tarn::command
