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
</TS>
