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
    <name>LineDepartures</name>
    <message>
        <source>每%1分钟</source>
        <translation>every %1 min</translation>
    </message>
</context>
<context>
    <name>ServiceHoursText</name>
    <message>
        <source>次日</source>
        <translation>next day</translation>
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
    <message>
        <source>原因：%1</source>
        <translation>cause: %1</translation>
    </message>
    <message>
        <source>无法读取时间“%1”：应为 “2026-01-08 08:00”、“08:00” 或 “now”</source>
        <translation>cannot read the time “%1”: write “2026-01-08 08:00”, “08:00” or “now”</translation>
    </message>
    <message>
        <source>种子须是 0 到 18446744073709551615 之间的整数：%1</source>
        <translation>the seed must be a whole number from 0 to 18446744073709551615: %1</translation>
    </message>
    <message>
        <source>样例城市已写入 “%1”：%2 个站点，%3 条线路（上下行分计）</source>
        <translation>Sample city written to “%1”: %2 stations, %3 lines (each direction counted)</translation>
    </message>
    <message>
        <source>，班次 %1 个，停靠时刻 %2 条</source>
        <translation>, %1 trips, %2 stop times</translation>
    </message>
    <message>
        <source>读取 %1</source>
        <translation>Reading %1</translation>
    </message>
    <message>
        <source>已写入 “%1”，但无法输出导入摘要（无法写入标准输出）</source>
        <translation>wrote “%1”, but cannot show the import summary (cannot write to standard output)</translation>
    </message>
</context>
<context>
    <name>Error</name>
    <message>
        <source>数据文件 “%1”</source>
        <translation>the data file “%1”</translation>
    </message>
    <message>
        <source>%1 有误：%2</source>
        <translation>Cannot use %1: %2</translation>
    </message>
    <message>
        <source>没有权限读取%1</source>
        <translation>No permission to read %1</translation>
    </message>
    <message>
        <source>%1 不存在</source>
        <translation>Cannot find %1</translation>
    </message>
    <message>
        <source>%1 是一个文件夹，不是数据文件</source>
        <translation>Cannot use %1: it is a folder, not a data file</translation>
    </message>
    <message>
        <source>%1 是一个%2，不是数据文件</source>
        <translation>Cannot use %1: it is a %2, not a data file</translation>
    </message>
    <message>
        <source>管道</source>
        <translation>pipe</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>device</translation>
    </message>
    <message>
        <source>套接字</source>
        <translation>socket</translation>
    </message>
    <message>
        <source>特殊文件</source>
        <translation>special file</translation>
    </message>
    <message>
        <source>%1 是空文件（0 字节），没有任何数据</source>
        <translation>Cannot use %1: it is empty (0 bytes) and holds no data</translation>
    </message>
    <message>
        <source>不是数据库文件</source>
        <translation>it is not a database file</translation>
    </message>
    <message>
        <source>“%1” 中还有尚未写入数据文件的更改，请先关闭正在写入它的程序</source>
        <translation>“%1” holds changes not yet written into the data file; first close the program that is writing it</translation>
    </message>
    <message>
        <source>“%1” 表明有一次写入还没有完成，请先关闭正在写入它的程序</source>
        <translation>“%1” shows that a write has not finished; first close the program that is writing it</translation>
    </message>
    <message>
        <source>无法确定文件的位置</source>
        <translation>cannot tell where the file is</translation>
    </message>
    <message>
        <source>无法读取文件</source>
        <translation>cannot read the file</translation>
    </message>
    <message>
        <source>无法打开%1</source>
        <translation>Cannot open %1</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>%1 毫秒</source>
        <translation>%1 ms</translation>
    </message>
    <message>
        <source>缺少表 %1</source>
        <translation>table %1 is missing</translation>
    </message>
    <message>
        <source>%1 是视图，不是表</source>
        <translation>%1 is a view, not a table</translation>
    </message>
    <message>
        <source>%1 是虚拟表，不是表</source>
        <translation>%1 is a virtual table, not a table</translation>
    </message>
    <message>
        <source>%1 不是普通的表</source>
        <translation>%1 is not an ordinary table</translation>
    </message>
    <message>
        <source>表 %1 的行没有行号（WITHOUT ROWID）</source>
        <translation>the rows of table %1 have no row id (WITHOUT ROWID)</translation>
    </message>
    <message>
        <source>表 %1 缺少列 %2</source>
        <translation>table %1 lacks the column %2</translation>
    </message>
    <message>
        <source>表 %1 的列占用了 rowid、_rowid_ 和 oid，无法确定行在表中的顺序</source>
        <translation>the columns of table %1 take the names rowid, _rowid_ and oid, so the order of its rows cannot be known</translation>
    </message>
    <message>
        <source>表 dbdate 中没有 id 为 1 的记录</source>
        <translation>table dbdate has no row with id 1</translation>
    </message>
    <message>
        <source>文件已损坏</source>
        <translation>the file is damaged</translation>
    </message>
    <message>
        <source>读取文件时出错</source>
        <translation>an error while reading the file</translation>
    </message>
    <message>
        <source>内存不足</source>
        <translation>out of memory</translation>
    </message>
    <message>
        <source>读取超过 %1仍未完成，已停止（文件的内容可能有误）</source>
        <translation>reading took longer than %1 and was stopped (the file's content may be wrong)</translation>
    </message>
    <message>
        <source>读取失败（SQLite 错误码 %1）</source>
        <translation>reading failed (SQLite error code %1)</translation>
    </message>
    <message>
        <source>读取失败</source>
        <translation>reading failed</translation>
    </message>
    <message>
        <source>没有指定要写入的数据文件</source>
        <translation>No data file to write was named</translation>
    </message>
    <message>
        <source>“%1” 是一个文件夹，不能作为数据文件</source>
        <translation>“%1” is a folder and cannot be a data file</translation>
    </message>
    <message>
        <source>“%1” 不是普通文件，不能作为数据文件</source>
        <translation>“%1” is not an ordinary file and cannot be a data file</translation>
    </message>
    <message>
        <source>文件夹 “%1” 不存在</source>
        <translation>The folder “%1” does not exist</translation>
    </message>
    <message>
        <source>无法在文件夹 “%1” 中写入：%2</source>
        <translation>Cannot write in the folder “%1”: %2</translation>
    </message>
    <message>
        <source>无法把数据文件写到 “%1”：%2</source>
        <translation>Cannot write the data file to “%1”: %2</translation>
    </message>
    <message>
        <source>写入失败</source>
        <translation>writing failed</translation>
    </message>
    <message>
        <source>磁盘空间不足</source>
        <translation>the disk is full</translation>
    </message>
    <message>
        <source>磁盘读写出错</source>
        <translation>a disk read or write failed</translation>
    </message>
    <message>
        <source>无法创建文件</source>
        <translation>cannot create the file</translation>
    </message>
    <message>
        <source>没有写入权限</source>
        <translation>no permission to write</translation>
    </message>
    <message>
        <source>数据过大</source>
        <translation>the data is too large</translation>
    </message>
    <message>
        <source>写入失败（SQLite 错误码 %1）</source>
        <translation>writing failed (SQLite error code %1)</translation>
    </message>
    <message>
        <source>文件 “%1” 已存在，不会覆盖</source>
        <translation>The file “%1” exists already and is not overwritten</translation>
    </message>
    <message>
        <source>无法创建数据文件 “%1”：%2</source>
        <translation>Cannot create the data file “%1”: %2</translation>
    </message>
    <message>
        <source>无法写入数据文件 “%1”：%2</source>
        <translation>Cannot write the data file “%1”: %2</translation>
    </message>
    <message>
        <source>文件或文件夹不存在</source>
        <translation>no such file or folder</translation>
    </message>
    <message>
        <source>没有权限</source>
        <translation>no permission</translation>
    </message>
    <message>
        <source>超出了磁盘配额</source>
        <translation>the disk quota is used up</translation>
    </message>
    <message>
        <source>文件超过了允许的大小</source>
        <translation>the file is larger than allowed</translation>
    </message>
    <message>
        <source>文件系统是只读的</source>
        <translation>the file system is read-only</translation>
    </message>
    <message>
        <source>路径中有不是文件夹的部分</source>
        <translation>a part of the path is not a folder</translation>
    </message>
    <message>
        <source>是一个文件夹</source>
        <translation>it is a folder</translation>
    </message>
    <message>
        <source>名称过长</source>
        <translation>the name is too long</translation>
    </message>
    <message>
        <source>符号链接过多</source>
        <translation>too many symbolic links</translation>
    </message>
    <message>
        <source>打开的文件过多</source>
        <translation>too many open files</translation>
    </message>
    <message>
        <source>已存在</source>
        <translation>it exists already</translation>
    </message>
    <message>
        <source>正被占用</source>
        <translation>it is in use</translation>
    </message>
    <message>
        <source>不在同一个文件系统中</source>
        <translation>not on the same file system</translation>
    </message>
    <message>
        <source>无法加载中文排序规则（ICU zh）</source>
        <translation>Cannot load the Chinese collation (ICU zh)</translation>
    </message>
    <message>
        <source>无法注册中文排序规则</source>
        <translation>Cannot register the Chinese collation</translation>
    </message>
    <message>
        <source>无法加载 ICU 的汉字拼音转写规则（Han-Latin）</source>
        <translation>Cannot load ICU's Han-Latin transliteration</translation>
    </message>
    <message>
        <source>内存不足，未能完成</source>
        <translation>Out of memory; the work was not done</translation>
    </message>
    <message>
        <source>程序内部出错，未能完成</source>
        <translation>The program failed inside itself; the work was not done</translation>
    </message>
    <message>
        <source>无法读取请求%1</source>
        <translation>Cannot read the request%1</translation>
    </message>
    <message>
        <source>：“%1” 必须是文本</source>
        <translation>: “%1” must be a text</translation>
    </message>
    <message>
        <source> “%1”：第 %2 个字节不是 UTF-8 文本</source>
        <translation> “%1”: byte %2 is not UTF-8 text</translation>
    </message>
    <message>
        <source> “%1”：不是有效的 JSON（第 %2 个字节处）</source>
        <translation> “%1”: not valid JSON (at byte %2)</translation>
    </message>
    <message>
        <source> “%1”：不是有效的 JSON</source>
        <translation> “%1”: not valid JSON</translation>
    </message>
    <message>
        <source>：每行须是一个 JSON 对象</source>
        <translation>: each line must be one JSON object</translation>
    </message>
    <message>
        <source>：“suggest” 不能与 “%1” 同时使用</source>
        <translation>: “suggest” cannot be used with “%1”</translation>
    </message>
    <message>
        <source>：“at” 不能与 “arriveBy” 同时使用</source>
        <translation>: “at” cannot be used with “arriveBy”</translation>
    </message>
    <message>
        <source>：“at” 和 “arriveBy” 只用于路线查询</source>
        <translation>: “at” and “arriveBy” are only for route searches</translation>
    </message>
    <message>
        <source>：无法读取时间“%1”，应为 “2026-01-08 08:00”、“08:00” 或 “now”</source>
        <translation>: cannot read the time “%1”; write “2026-01-08 08:00”, “08:00” or “now”</translation>
    </message>
    <message>
        <source>无法读取标准输入</source>
        <translation>Cannot read standard input</translation>
    </message>
    <message>
        <source>FEED 与 OUT 是同一个文件 “%1”：数据库会覆盖 GTFS 数据，未写入任何文件</source>
        <translation>FEED and OUT are the same file “%1”: the database would overwrite the GTFS data; nothing was written</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>缺少必需的列 %1</source>
        <translation>required column %1 missing</translation>
    </message>
    <message>
        <source>无法初始化 CSV 读取</source>
        <translation>cannot start reading CSV</translation>
    </message>
    <message>
        <source>是空文件，没有表头</source>
        <translation>empty file, no header</translation>
    </message>
    <message>
        <source>无法读取：格式有误</source>
        <translation>cannot be read: malformed</translation>
    </message>
    <message>
        <source>无法读取：内存不足</source>
        <translation>cannot be read: out of memory</translation>
    </message>
    <message>
        <source>表头中有超过 64 KiB 的字段</source>
        <translation>a field of the header is over 64 KiB</translation>
    </message>
    <message>
        <source>表头超过 1000 列</source>
        <translation>the header has more than 1000 columns</translation>
    </message>
    <message>
        <source>无法打开文件 “%1”：%2</source>
        <translation>Cannot open the file “%1”: %2</translation>
    </message>
    <message>
        <source>无法读取文件 “%1”</source>
        <translation>Cannot read the file “%1”</translation>
    </message>
    <message>
        <source>无法读取文件夹 “%1”：%2</source>
        <translation>Cannot read the folder “%1”: %2</translation>
    </message>
    <message>
        <source>GTFS 数据 “%1” 不存在</source>
        <translation>The GTFS data “%1” does not exist</translation>
    </message>
    <message>
        <source>GTFS 数据 “%1” 缺少必需的文件 %2</source>
        <translation>The GTFS data “%1” lacks the required file %2</translation>
    </message>
    <message>
        <source>GTFS 数据 “%1” 中没有可导入的线路</source>
        <translation>The GTFS data “%1” holds no line that can be imported</translation>
    </message>
    <message>
        <source>%1 缺少必需的列 route_short_name（或 route_long_name）</source>
        <translation>%1 lacks the required column route_short_name (or route_long_name)</translation>
    </message>
    <message>
        <source>不是 zip 压缩包</source>
        <translation>not a zip archive</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>no such file</translation>
    </message>
    <message>
        <source>读取出错</source>
        <translation>read error</translation>
    </message>
    <message>
        <source>压缩包已损坏</source>
        <translation>the archive is damaged</translation>
    </message>
    <message>
        <source>使用了不支持的压缩方法</source>
        <translation>compressed by a method not supported</translation>
    </message>
    <message>
        <source>压缩包已加密</source>
        <translation>the archive is encrypted</translation>
    </message>
    <message>
        <source>不支持分卷压缩包</source>
        <translation>archives split into parts are not supported</translation>
    </message>
    <message>
        <source>无法读取（libzip 错误码 %1）</source>
        <translation>cannot be read (libzip error %1)</translation>
    </message>
    <message>
        <source>无法打开压缩包 “%1”：%2</source>
        <translation>Cannot open the archive “%1”: %2</translation>
    </message>
    <message>
        <source>“%1” 中的 %2</source>
        <translation>%2 in “%1”</translation>
    </message>
    <message>
        <source>无法读取 %1：%2</source>
        <translation>Cannot read %1: %2</translation>
    </message>
    <message>
        <source>系统错误码 %1</source>
        <translation>system error %1</translation>
    </message>
</context>
<context>
    <name>ImportSummary</name>
    <message>
        <source>已导入 GTFS 数据到 %1
</source>
        <translation>Imported the GTFS data into %1
</translation>
    </message>
    <message>
        <source>  线路 %1 条（来自 %2 条路线，其中支线 %3 条），站点 %4 个
</source>
        <translation>  lines: %1 (routes: %2; of them branches: %3), stations: %4
</translation>
    </message>
    <message>
        <source>  班次 %1 个，停靠记录 %2 条
</source>
        <translation>  trips: %1, stop times: %2
</translation>
    </message>
    <message>
        <source>  其中 %1 个班次可由本路线的一条线路从首站按顺序乘到末站
</source>
        <translation>  of them carried in order from the first stop to the last by a line of their route: %1
</translation>
    </message>
    <message>
        <source>  有坐标的站点 %1 个，同名异地分开命名的站名 %2 个，合并重复线路 %3 条，步行连接 %4 条
</source>
        <translation>  stations with a position: %1, places of one name far apart named apart: %2, repeated lines merged: %3, walks: %4
</translation>
    </message>
    <message>
        <source>  有英文名的站点 %1 个
</source>
        <translation>  stations with an English name: %1
</translation>
    </message>
    <message>
        <source>  有英文名的线路 %1 条
</source>
        <translation>  route names with an English name: %1
</translation>
    </message>
    <message>
        <source>  时刻表：班次 %1 个，停靠时刻 %2 条
</source>
        <translation>  timetable: trips: %1, stop times: %2
</translation>
    </message>
    <message>
        <source>  数据没有 calendar.txt 和 calendar_dates.txt：所有班次按每天运行
</source>
        <translation>  the data has no calendar.txt or calendar_dates.txt: every trip runs every day
</translation>
    </message>
    <message>
        <source>  城市代码 %1，数据日期 %2
</source>
        <translation>  city code %1, data date %2
</translation>
    </message>
    <message>
        <source>  时刻表运营日：首日 %1，末日 %2
</source>
        <translation>  timetable service days: first %1, last %2
</translation>
    </message>
    <message>
        <source>  同名异地：%1 → %2
</source>
        <translation>  one name, places far apart: %1 → %2
</translation>
    </message>
    <message numerus="yes">
        <source>  名称相同、无从区分而加编号的线路 %n 条：%1
</source>
        <translation>
            <numerusform>  %n line of one name with nothing to tell it apart, numbered: %1
</numerusform>
            <numerusform>  %n lines of one name with nothing to tell them apart, numbered: %1
</numerusform>
        </translation>
    </message>
    <message>
        <source>没有跳过任何数据。
</source>
        <translation>Nothing was skipped.
</translation>
    </message>
    <message numerus="yes">
        <source>跳过 %n 项：
</source>
        <translation>
            <numerusform>Skipped %n item:
</numerusform>
            <numerusform>Skipped %n items:
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>按规则处理 %n 项：
</source>
        <translation>
            <numerusform>Read by a rule, %n item:
</numerusform>
            <numerusform>Read by a rule, %n items:
</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>  %1：%2，%n 项（例如：%3）
</source>
        <translation>
            <numerusform>  %1: %2, %n item (for example: %3)
</numerusform>
            <numerusform>  %1: %2, %n items (for example: %3)
</numerusform>
        </translation>
    </message>
    <message>
        <source>第 %1 行，</source>
        <translation>line %1, </translation>
    </message>
    <message>
        <source>、</source>
        <translation>, </translation>
    </message>
    <message>
        <source>列</source>
        <translation>column</translation>
    </message>
    <message>
        <source>文件</source>
        <translation>file</translation>
    </message>
    <message>
        <source>内容</source>
        <translation>content</translation>
    </message>
    <message>
        <source>direction_id 无效，按无方向处理</source>
        <translation>direction_id not valid, read as no direction</translation>
    </message>
    <message>
        <source>exception_type 须为 1 或 2</source>
        <translation>exception_type must be 1 or 2</translation>
    </message>
    <message>
        <source>headway_secs 小于 60，时刻表按每分钟一班计</source>
        <translation>headway_secs below 60, the timetable counts one trip a minute</translation>
    </message>
    <message>
        <source>headway_secs 无效</source>
        <translation>headway_secs not valid</translation>
    </message>
    <message>
        <source>min_transfer_time 无效，按距离计算</source>
        <translation>min_transfer_time not valid, reckoned from the distance</translation>
    </message>
    <message>
        <source>parent_station 不存在，按独立站点导入</source>
        <translation>parent_station does not exist, imported as a stop of its own</translation>
    </message>
    <message>
        <source>route_id 不存在（或该路线已跳过）</source>
        <translation>route_id does not exist (or the route was skipped)</translation>
    </message>
    <message>
        <source>route_id 为空</source>
        <translation>route_id empty</translation>
    </message>
    <message>
        <source>route_id 重复</source>
        <translation>route_id repeated</translation>
    </message>
    <message>
        <source>route_sort_order 无效，按未给出处理</source>
        <translation>route_sort_order not valid, read as not given</translation>
    </message>
    <message>
        <source>route_type 无效，按公交处理</source>
        <translation>route_type not valid, read as a bus</translation>
    </message>
    <message>
        <source>service_id 重复</source>
        <translation>service_id repeated</translation>
    </message>
    <message>
        <source>stop_id 不存在（或该站点已跳过）</source>
        <translation>stop_id does not exist (or the stop was skipped)</translation>
    </message>
    <message>
        <source>stop_id 为空</source>
        <translation>stop_id empty</translation>
    </message>
    <message>
        <source>stop_id 重复</source>
        <translation>stop_id repeated</translation>
    </message>
    <message>
        <source>stop_lat/stop_lon 无效，按无坐标处理</source>
        <translation>stop_lat/stop_lon not valid, read as no position</translation>
    </message>
    <message>
        <source>stop_sequence 无效</source>
        <translation>stop_sequence not valid</translation>
    </message>
    <message>
        <source>transfer_type 无效</source>
        <translation>transfer_type not valid</translation>
    </message>
    <message>
        <source>trip_headsign 不是 UTF-8，按空处理</source>
        <translation>trip_headsign not UTF-8, read as empty</translation>
    </message>
    <message>
        <source>trip_id 不存在（或该班次已跳过）</source>
        <translation>trip_id does not exist (or the trip was skipped)</translation>
    </message>
    <message>
        <source>trip_id 为空</source>
        <translation>trip_id empty</translation>
    </message>
    <message>
        <source>trip_id 重复</source>
        <translation>trip_id repeated</translation>
    </message>
    <message>
        <source>同一班次的 stop_sequence 重复</source>
        <translation>stop_sequence repeated within a trip</translation>
    </message>
    <message>
        <source>换乘的站点没有线路经过</source>
        <translation>no line passes the transfer's stop</translation>
    </message>
    <message>
        <source>列既不是 table_name/field_name/language/translation，也不是 trans_id/lang/translation，未读取站名翻译</source>
        <translation>columns are neither table_name/field_name/language/translation nor trans_id/lang/translation; no station names were read from it</translation>
    </message>
    <message>
        <source>record_id 不是 stops.txt 中的站点</source>
        <translation>record_id is no stop of stops.txt</translation>
    </message>
    <message>
        <source>文字不是 UTF-8 编码</source>
        <translation>text not encoded as UTF-8</translation>
    </message>
    <message>
        <source>日期格式无效</source>
        <translation>date format not valid</translation>
    </message>
    <message>
        <source>星期列须为 0 或 1</source>
        <translation>weekday columns must be 0 or 1</translation>
    </message>
    <message>
        <source>没有 min_transfer_time，站点也没有坐标，无法得出步行距离</source>
        <translation>no min_transfer_time and no stop positions: no walking distance can be found</translation>
    </message>
    <message>
        <source>没有线路经过的站点，未导入</source>
        <translation>stops no line passes, not imported</translation>
    </message>
    <message>
        <source>班次停靠的站点少于两个</source>
        <translation>trips stopping at fewer than two stops</translation>
    </message>
    <message>
        <source>班次时刻超出范围，未写入时刻表</source>
        <translation>trip times out of range, not written into the timetable</translation>
    </message>
    <message>
        <source>班次没有停靠记录</source>
        <translation>trips without stop times</translation>
    </message>
    <message>
        <source>班次的停靠站与其线路不同，未写入时刻表</source>
        <translation>trip stops differ from its line's, not written into the timetable</translation>
    </message>
    <message>
        <source>站名为空</source>
        <translation>stop name empty</translation>
    </message>
    <message>
        <source>线路名称为空</source>
        <translation>line name empty</translation>
    </message>
    <message>
        <source>结束时间不晚于开始时间</source>
        <translation>end time not after the start time</translation>
    </message>
    <message>
        <source>缺少列，整个文件未使用</source>
        <translation>column missing, the whole file was not used</translation>
    </message>
    <message>
        <source>字段超过 64 KiB</source>
        <translation>field longer than 64 KiB</translation>
    </message>
    <message>
        <source>字段超过 1000 个</source>
        <translation>more than 1000 fields</translation>
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
        <translation>User:</translation>
    </message>
    <message>
        <source>密码：</source>
        <translation>Pass:</translation>
    </message>
    <message>
        <source>程序版本：2009.1.14</source>
        <translation>Version 2009.1.14</translation>
    </message>
    <message>
        <source>数据版本：</source>
        <translation>Data:</translation>
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
        <translation>Register</translation>
    </message>
    <message>
        <source>马上升级</source>
        <translation>Update</translation>
    </message>
    <message>
        <source>访问官方网站</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>去论坛指正数据中的错误</source>
        <translation>Report data errors</translation>
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
        <translation>Data for reference only.</translation>
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
