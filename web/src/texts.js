// The page's texts: the window's own (texts.json, made at build time from
// resources/i18n) and the few the page alone shows, in both languages.
let windowTexts = {};
let chinese = false;

export async function LoadTexts() {
    windowTexts = await (await fetch('texts.json')).json();
}

export function SetChinese(on) {
    chinese = on;
    document.documentElement.lang = on ? 'zh-CN' : 'en';
}

export function IsChinese() {
    return chinese;
}

// A window text by its English source; the source itself when unknown.
export function T(source, ...args) {
    const pair = windowTexts[source] || PageTexts[source];
    let text = pair ? pair[chinese ? 1 : 0] : source;
    // In one pass, as Qt's arg() does: a file name holding "%2" stays as it is.
    return text.replace(/%(\d+)/g, (marker, n) => (n >= 1 && n <= args.length ? String(args[n - 1]) : marker));
}

// Texts of the page that the window does not have.
export const PageTexts = {
    'Retry': ['Retry', '重试'],
    'Menu': ['Menu', '菜单'],
    'Yes': ['Yes', '是'],
    'No': ['No', '否'],
    'Edit Channel %1': ['Edit Channel %1', '编辑频道%1'],
    'Read From Radio (step)': ['Read From Radio', '从对讲机读取'],
    'Open Channel File': ['Open Channel File', '打开频道文件'],
    'Choose a serial port...': ['Choose a serial port...', '选择串口...'],
    'Serial port %1': ['Serial port %1', '串口 %1'],
    'No serial port was chosen.': ['No serial port was chosen.', '没有选择串口。'],
    'This browser has no Web Serial: files and editing work, reading and writing a radio needs Chrome, Edge or Opera (or the Simulated radio).':
        ['This browser has no Web Serial: files and editing work, reading and writing a radio needs Chrome, Edge or Opera (or the Simulated radio).',
         '此浏览器不支持 Web Serial：可以打开、编辑和保存文件；读写对讲机需要 Chrome、Edge 或 Opera（或使用模拟对讲机）。'],
    'The channel data you were editing when the page was last closed is kept. Open it again?':
        ['The channel data you were editing when the page was last closed is kept. Open it again?',
         '上次关闭页面时正在编辑的频道数据已保留。是否重新打开？'],
    'The serial port was lost during the transfer (was the cable pulled out?).':
        ['The serial port was lost during the transfer (was the cable pulled out?).',
         '传输过程中串口丢失（连接线是否被拔出？）。'],
    'The radio holds what was written: no differences.':
        ['The radio holds what was written: no differences.', '对讲机中的数据与写入的一致：没有差异。'],
    'The radio does not hold what was written:':
        ['The radio does not hold what was written:', '对讲机中的数据与写入的不一致：'],
    'Saved %1': ['Saved %1', '已保存 %1'],
    '%1, against %2.': ['%1, against %2.', '%1，与 %2 比较。'],
    'Opened %1': ['Opened %1', '已打开 %1'],
};
