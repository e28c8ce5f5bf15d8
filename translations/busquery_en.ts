<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en_GB" sourcelanguage="zh_CN">
<context>
    <name>Renderer</name>
    <message>
        <source>途径站点：</source>
        <translation>Stops: </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>经过站点：</source>
        <translation> stops at: </translation>
    </message>
    <message numerus="yes">
        <source>(共%n站)</source>
        <translation>
            <numerusform> (%n stop)</numerusform>
            <numerusform> (%n stops)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%1(%n站)</source>
        <translation>
            <numerusform>%1 (%n stop)</numerusform>
            <numerusform>%1 (%n stops)</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>第%1种方案(共约%n站</source>
        <translation>
            <numerusform>Plan %1 (about %n stop</numerusform>
            <numerusform>Plan %1 (about %n stops</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>，换乘%n次</source>
        <translation>
            <numerusform>, %n change</numerusform>
            <numerusform>, %n changes</numerusform>
        </translation>
    </message>
    <message>
        <source>)：</source>
        <translation>): </translation>
    </message>
    <message>
        <source>从 </source>
        <translation>from </translation>
    </message>
    <message>
        <source> 步行约%1米到 </source>
        <translation>, walk about %1 m to </translation>
    </message>
    <message>
        <source> 步行约%1米到</source>
        <translation>, walk about %1 m to</translation>
    </message>
    <message>
        <source> 坐</source>
        <translation>, take </translation>
    </message>
    <message>
        <source>到 </source>
        <translation> to </translation>
    </message>
    <message>
        <source>在</source>
        <translation> to</translation>
    </message>
    <message>
        <source> 下车</source>
        <translation> and get off</translation>
    </message>
    <message>
        <source> 换乘 </source>
        <translation>, change to </translation>
    </message>
</context>
<context>
    <name>TimedJourneyWriter</name>
    <message>
        <source>第%1种方案 </source>
        <translation>Plan %1: </translation>
    </message>
    <message>
        <source>%1出发 </source>
        <translation>leave %1, </translation>
    </message>
    <message>
        <source>%1到达</source>
        <translation>arrive %1 </translation>
    </message>
    <message numerus="yes">
        <source>(共%1分钟，换乘%n次)：</source>
        <translation>
            <numerusform>(%1 min, %n change): </numerusform>
            <numerusform>(%1 min, %n changes): </numerusform>
        </translation>
    </message>
    <message>
        <source> 从 </source>
        <translation> from </translation>
    </message>
    <message>
        <source> 步行约%1米(%2分钟)到 </source>
        <translation>, walk about %1 m (%2 min) to </translation>
    </message>
    <message>
        <source>往 %1, </source>
        <translation>towards %1, </translation>
    </message>
    <message numerus="yes">
        <source> 坐%1(%2%n站) </source>
        <translation>
            <numerusform>, take %1 (%2%n stop) </numerusform>
            <numerusform>, take %1 (%2%n stops) </numerusform>
        </translation>
    </message>
    <message>
        <source> 到 </source>
        <translation> to </translation>
    </message>
    <message>
        <source> %1 首站发车：</source>
        <translation> %1 from the first stop: </translation>
    </message>
    <message>
        <source>当日无班次</source>
        <translation>no service that day</translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>此时不在运营时间内、未用于查询的线路：%1</source>
        <translation>Lines not in service at this time, left out of the search: %1</translation>
    </message>
    <message>
        <source>时刻表不含所选日期，以下按同为%1的%2查询</source>
        <translation>The timetable does not cover the date asked; searched on %2, also a %1:</translation>
    </message>
</context>
<context>
    <name>JourneyClock</name>
    <message>
        <source>次日%1</source>
        <translation>%1 next day</translation>
    </message>
    <message>
        <source>前日%1</source>
        <translation>%1 day before</translation>
    </message>
</context>
<context>
    <name>Weekday</name>
    <message>
        <source>星期一</source>
        <translation>Monday</translation>
    </message>
    <message>
        <source>星期二</source>
        <translation>Tuesday</translation>
    </message>
    <message>
        <source>星期三</source>
        <translation>Wednesday</translation>
    </message>
    <message>
        <source>星期四</source>
        <translation>Thursday</translation>
    </message>
    <message>
        <source>星期五</source>
        <translation>Friday</translation>
    </message>
    <message>
        <source>星期六</source>
        <translation>Saturday</translation>
    </message>
    <message>
        <source>星期日</source>
        <translation>Sunday</translation>
    </message>
</context>
<context>
    <name>OutcomeMessage</name>
    <message>
        <source>输入信息为空</source>
        <translation>Nothing was entered</translation>
    </message>
    <message>
        <source>输入信息太少</source>
        <translation>Too little was entered</translation>
    </message>
    <message>
        <source>无此线路资料</source>
        <translation>No such line</translation>
    </message>
    <message>
        <source>未选择站点</source>
        <translation>No station chosen</translation>
    </message>
    <message>
        <source>未选择起始站</source>
        <translation>No origin chosen</translation>
    </message>
    <message>
        <source>未选择终点站</source>
        <translation>No destination chosen</translation>
    </message>
    <message>
        <source>没有适合路线！</source>
        <translation>No suitable route!</translation>
    </message>
    <message>
        <source>起点和终点相同，无需乘车！</source>
        <translation>Origin and destination are the same: no need to ride!</translation>
    </message>
    <message>
        <source>24小时内没有可乘坐的车次！</source>
        <translation>No journey within 24 hours!</translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>（用法见 busquery-cli --help）</source>
        <translation> (see busquery-cli --help)</translation>
    </message>
    <message>
        <source>--db 须给出数据库文件，不能是空的文本</source>
        <translation>--db needs a database file, not an empty text</translation>
    </message>
    <message>
        <source>nstwalk 中有 %1 行没有以整数米记的步行距离（或缺少站名），已跳过</source>
        <translation>%1 rows of nstwalk have no walking distance in whole metres (or lack a station name) and were skipped</translation>
    </message>
    <message>
        <source>nstwalk 中有 %1 行超出每站 %2 条步行连接的上限，未读取</source>
        <translation>%1 rows of nstwalk go beyond the limit of %2 walks per station and were not read</translation>
    </message>
    <message>
        <source>无法写入标准输出</source>
        <translation>cannot write to standard output</translation>
    </message>
</context>
<context>
    <name>LineName</name>
    <message>
        <source>有轨电车</source>
        <translation>Tram</translation>
    </message>
    <message>
        <source>地铁</source>
        <translation>Metro</translation>
    </message>
    <message>
        <source>铁路</source>
        <translation>Rail</translation>
    </message>
    <message>
        <source>轮渡</source>
        <translation>Ferry</translation>
    </message>
    <message>
        <source>索道</source>
        <translation>Cable car</translation>
    </message>
    <message>
        <source>无轨电车</source>
        <translation>Trolleybus</translation>
    </message>
    <message>
        <source>单轨</source>
        <translation>Monorail</translation>
    </message>
    <message>
        <source>公交地铁接驳专线</source>
        <translation>Metro feeder</translation>
    </message>
    <message>
        <source>莲花山专线</source>
        <translation>Lianhuashan line</translation>
    </message>
    <message>
        <source>高峰快线</source>
        <translation>Peak express</translation>
    </message>
    <message>
        <source>机场快线</source>
        <translation>Airport express</translation>
    </message>
    <message>
        <source>大学城</source>
        <translation>University town</translation>
    </message>
    <message>
        <source>夜</source>
        <translation>Night</translation>
    </message>
    <message>
        <source>路</source>
        <translation>Bus</translation>
    </message>
    <message>
        <source>号线</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>支线</source>
        <translation>branch</translation>
    </message>
    <message>
        <source> 往%1</source>
        <translation> towards %1</translation>
    </message>
</context>
<context>
    <name>busquery::gui::Banner</name>
    <message>
        <source>Velmorina 公交查询 · 出行愉快</source>
        <translation>Velmorina bus enquiry · have a good trip</translation>
    </message>
    <message>
        <source>%1 公交查询 · 出行愉快</source>
        <translation>%1 bus enquiry · have a good trip</translation>
    </message>
</context>
<context>
    <name>busquery::gui::DepartureTimeControl</name>
    <message>
        <source>现在</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>出发</source>
        <translation>Depart</translation>
    </message>
    <message>
        <source>到达</source>
        <translation>Arrive</translation>
    </message>
</context>
<context>
    <name>busquery::gui::FrmMain</name>
    <message>
        <source>Velmorina公交查询系统2009</source>
        <translation>Velmorina Bus Enquiry 2009</translation>
    </message>
    <message>
        <source>单站点：</source>
        <translation>Station:</translation>
    </message>
    <message>
        <source>起始站：</source>
        <translation>From:</translation>
    </message>
    <message>
        <source>到达站：</source>
        <translation>To:</translation>
    </message>
    <message>
        <source>线路：</source>
        <translation>Line:</translation>
    </message>
    <message>
        <source>请选择确认站点：</source>
        <translation>Choose the station:</translation>
    </message>
    <message>
        <source>请选择起始站点：</source>
        <translation>Choose the origin:</translation>
    </message>
    <message>
        <source>请选择到达站点：</source>
        <translation>Choose the destination:</translation>
    </message>
    <message>
        <source>用户名：</source>
        <translation>User name:</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Password:</translation>
    </message>
    <message>
        <source>程序版本：2009.1.14</source>
        <translation>Program version: 2009.1.14</translation>
    </message>
    <message>
        <source>数据版本：</source>
        <translation>Data version:</translation>
    </message>
    <message>
        <source>请输入要查询的公交站名</source>
        <translation>Enter a station name</translation>
    </message>
    <message>
        <source>请输入起始站</source>
        <translation>Enter the origin</translation>
    </message>
    <message>
        <source>请输入终点站</source>
        <translation>Enter the destination</translation>
    </message>
    <message>
        <source>查 询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>免费注册</source>
        <translation>Register free</translation>
    </message>
    <message>
        <source>马上升级</source>
        <translation>Update now</translation>
    </message>
    <message>
        <source>访问官方网站</source>
        <translation>Official website</translation>
    </message>
    <message>
        <source>去论坛指正数据中的错误</source>
        <translation>Report data errors in the forum</translation>
    </message>
    <message>
        <source>单站点</source>
        <translation>Station</translation>
    </message>
    <message>
        <source>单站点框的说明</source>
        <translation>About the station box</translation>
    </message>
    <message>
        <source>输入站名，查询经过这个站的线路</source>
        <translation>Enter a station name to find the lines that stop there</translation>
    </message>
    <message>
        <source>起始站</source>
        <translation>Origin</translation>
    </message>
    <message>
        <source>起始站框的说明</source>
        <translation>About the origin box</translation>
    </message>
    <message>
        <source>输入起始站，与到达站一起查询换乘方案</source>
        <translation>Enter the origin; with the destination it finds routes</translation>
    </message>
    <message>
        <source>到达站</source>
        <translation>Destination</translation>
    </message>
    <message>
        <source>到达站框的说明</source>
        <translation>About the destination box</translation>
    </message>
    <message>
        <source>输入到达站，与起始站一起查询换乘方案</source>
        <translation>Enter the destination; with the origin it finds routes</translation>
    </message>
    <message>
        <source>线路</source>
        <translation>Line</translation>
    </message>
    <message>
        <source>线路框的说明</source>
        <translation>About the line box</translation>
    </message>
    <message>
        <source>输入或选择线路，查询它经过的站点</source>
        <translation>Enter or choose a line to list its stations</translation>
    </message>
    <message>
        <source>查询</source>
        <translation>Search</translation>
    </message>
    <message>
        <source>按输入的内容查询</source>
        <translation>Search for what was entered</translation>
    </message>
    <message>
        <source>出行时间</source>
        <translation>Travel time</translation>
    </message>
    <message>
        <source>换乘查询的出发或到达时间</source>
        <translation>The departure or arrival time of a route search</translation>
    </message>
    <message>
        <source>日期和时间</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>换乘查询在这个时间出发或到达</source>
        <translation>The route search departs or arrives at this time</translation>
    </message>
    <message>
        <source>现在</source>
        <translation>Now</translation>
    </message>
    <message>
        <source>把时间设为现在</source>
        <translation>Set the time to now</translation>
    </message>
    <message>
        <source>出发或到达</source>
        <translation>Depart or arrive</translation>
    </message>
    <message>
        <source>在这个时间出发，或在这个时间以前到达</source>
        <translation>Depart at this time, or arrive by it</translation>
    </message>
    <message>
        <source>请选择确认站点</source>
        <translation>Choose the station</translation>
    </message>
    <message>
        <source>单站点提示列表的说明</source>
        <translation>About the station suggestions</translation>
    </message>
    <message>
        <source>请选择起始站点</source>
        <translation>Choose the origin</translation>
    </message>
    <message>
        <source>起始站提示列表的说明</source>
        <translation>About the origin suggestions</translation>
    </message>
    <message>
        <source>请选择到达站点</source>
        <translation>Choose the destination</translation>
    </message>
    <message>
        <source>到达站提示列表的说明</source>
        <translation>About the destination suggestions</translation>
    </message>
    <message>
        <source>查询用时</source>
        <translation>Query time</translation>
    </message>
    <message>
        <source>上一次查询所用的时间</source>
        <translation>The time the last query took</translation>
    </message>
    <message>
        <source>查询结果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>查询的结果</source>
        <translation>The result of the query</translation>
    </message>
    <message>
        <source>单站点提示</source>
        <translation>Station suggestions</translation>
    </message>
    <message>
        <source>与输入相符的站点，双击查询</source>
        <translation>Stations matching the entry; double-click to search</translation>
    </message>
    <message>
        <source>起始站提示</source>
        <translation>Origin suggestions</translation>
    </message>
    <message>
        <source>与输入相符的起始站，双击选定</source>
        <translation>Origins matching the entry; double-click to choose</translation>
    </message>
    <message>
        <source>到达站提示</source>
        <translation>Destination suggestions</translation>
    </message>
    <message>
        <source>与输入相符的到达站，双击查询</source>
        <translation>Destinations matching the entry; double-click to search</translation>
    </message>
    <message>
        <source>用户名</source>
        <translation>User name</translation>
    </message>
    <message>
        <source>用户名框的说明</source>
        <translation>About the user name box</translation>
    </message>
    <message>
        <source>升级时用的用户名</source>
        <translation>The user name for updates</translation>
    </message>
    <message>
        <source>密码</source>
        <translation>Password</translation>
    </message>
    <message>
        <source>密码框的说明</source>
        <translation>About the password box</translation>
    </message>
    <message>
        <source>升级时用的密码</source>
        <translation>The password for updates</translation>
    </message>
    <message>
        <source>在浏览器中打开注册页</source>
        <translation>Open the registration page in the browser</translation>
    </message>
    <message>
        <source>在浏览器中打开升级页</source>
        <translation>Open the update page in the browser</translation>
    </message>
    <message>
        <source>在浏览器中打开官方网站</source>
        <translation>Open the official website in the browser</translation>
    </message>
    <message>
        <source>在浏览器中打开论坛</source>
        <translation>Open the forum in the browser</translation>
    </message>
    <message>
        <source>作者和说明</source>
        <translation>Author and notes</translation>
    </message>
    <message>
        <source>作者、电话和数据的说明</source>
        <translation>The author, telephone and notes on the data</translation>
    </message>
    <message>
        <source>程序版本</source>
        <translation>Program version</translation>
    </message>
    <message>
        <source>程序的版本</source>
        <translation>The program's version</translation>
    </message>
    <message>
        <source>数据版本</source>
        <translation>Data version</translation>
    </message>
    <message>
        <source>数据日期的说明</source>
        <translation>About the data date</translation>
    </message>
    <message>
        <source>数据日期</source>
        <translation>Data date</translation>
    </message>
    <message>
        <source>公交数据的日期</source>
        <translation>The date of the bus data</translation>
    </message>
    <message>
        <source>公告</source>
        <translation>Notice</translation>
    </message>
    <message>
        <source>发布者网站的公告</source>
        <translation>The publisher's notice</translation>
    </message>
    <message>
        <source>无法打开网页。请把下面的地址复制到浏览器中打开：
%1</source>
        <translation>The page cannot be opened. Copy this address into a browser:
%1</translation>
    </message>
    <message>
        <source>作者：busquery 电话：8209 0114  </source>
        <translation>Author: busquery  Tel: 8209 0114  </translation>
    </message>
    <message>
        <source>数据仅供参考，如有变动，请以车站公布数据为准。</source>
        <translation>The data is for reference only; where it differs, the stations' notices hold.</translation>
    </message>
</context>
<context>
    <name>busquery::gui::CommandLine</name>
    <message>
        <source>Velmorina 公交查询：线路、站点和换乘查询。</source>
        <translation>Velmorina bus enquiry: lines, stations and routes.</translation>
    </message>
    <message>
        <source>打开另一个城市的公交数据文件。不给出时用环境变量 BUSQUERY_DB 指定的文件，否则用程序旁或安装目录中的 busdata。</source>
        <translation>Open another city's bus data file. Without it, the file BUSQUERY_DB names, else the busdata beside the program or in its install.</translation>
    </message>
    <message>
        <source>界面语言：zh（中文）或 en（英文）。不给出时用桌面的语言。</source>
        <translation>Interface language: zh (Chinese) or en (English). Without it, the desktop's language.</translation>
    </message>
    <message>
        <source>多余的参数：</source>
        <translation>unexpected arguments: </translation>
    </message>
    <message>
        <source>--lang 只能是 zh 或 en：</source>
        <translation>--lang takes zh or en: </translation>
    </message>
    <message>
        <source>--db 的文件名为空
</source>
        <translation>--db names no file
</translation>
    </message>
</context>
<context>
    <name>busquery::gui::QueryPresenter</name>
    <message>
        <source>秒</source>
        <translation> s</translation>
    </message>
</context>
</TS>
